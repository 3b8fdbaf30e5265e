// Timers tick only when the host says time has passed.
#include <gtest/gtest.h>

#include "platform/substitute/Timers.h"
#include "tests/support/DialogProbe.h"

using Lines = std::vector<std::string>;

namespace {

int procedureTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++procedureTicks;
}

} // namespace

TEST(Timers, RunningTimersAreListedAndTickOnlyWhenTold) {
    probe::DialogProbe panel;
    panel.log.Take();
    SetTimer(panel.dialog, 2, 200, nullptr);
    SetTimer(panel.dialog, 7, 50, nullptr);
    SetTimer(panel.dialog, 2, 300, nullptr);
    const auto timers = substitute::ActiveTimers();
    ASSERT_EQ(2u, timers.size());
    EXPECT_EQ(panel.dialog, timers[0].window);
    EXPECT_EQ(2u, timers[0].id);
    EXPECT_EQ(300u, timers[0].period);
    EXPECT_EQ(7u, timers[1].id);

    panel.Pump();
    EXPECT_TRUE(panel.log.Take().empty()) << "time does not pass by itself";
    EXPECT_EQ(2, substitute::TickTimers());
    EXPECT_EQ(0, substitute::TickTimers()) << "one tick of a timer waits at a time";
    panel.Pump();
    EXPECT_EQ((Lines{"dlg WM_TIMER 2", "dlg WM_TIMER 7"}), panel.log.Take());

    KillTimer(panel.dialog, 7);
    substitute::TickTimers();
    panel.Pump();
    EXPECT_EQ((Lines{"dlg WM_TIMER 2"}), panel.log.Take());
}

TEST(Timers, ADestroyedWindowsTimersStopAndItsTicksAreDropped) {
    probe::DialogProbe panel;
    SetTimer(panel.dialog, 2, 200, nullptr);
    substitute::TickTimers();
    DestroyWindow(panel.dialog);
    EXPECT_TRUE(substitute::ActiveTimers().empty());
    MSG message{};
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST(Timers, ATimerWithAProcedureCallsItInsteadOfTheWindow) {
    probe::DialogProbe panel;
    panel.log.Take();
    procedureTicks = 0;
    SetTimer(panel.dialog, 3, 100, CountTick);
    const UINT_PTR windowless = SetTimer(nullptr, 0, 100, CountTick);
    EXPECT_NE(0u, windowless);
    substitute::TickTimers();
    panel.Pump();
    EXPECT_EQ(2, procedureTicks);
    EXPECT_TRUE(panel.log.Take().empty());
    KillTimer(panel.dialog, 3);
    KillTimer(nullptr, windowless);
    EXPECT_EQ(0u, SetTimer(reinterpret_cast<HWND>(uintptr_t{0x4242}), 1, 10, nullptr))
        << "no timer for a window that does not exist";
}
