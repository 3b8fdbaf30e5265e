// The panel on the sample score, opened as the menu command opens it, for what no user can
// reach through the panel's own controls: commands the panel disables or does not have.
#include "staffsetpanel/NKStaffSetPanelWindow.h"

#include "framework/ui/NKCtrlButton.h"
#include "framework/ui/NKCtrlEdit.h"
#include "framework/ui/NKUI.h"
#include "shell/EntryPoints.h"
#include "shell/PanelInvocation.h"
#include "simhost/desktop/UserInput.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/StaffLists.h"
#include "staffsetpanel/NKCtrlStaffSetDataList.h"
#include "staffsetpanel/StaffSetSlots.h"
#include "tests/support/FreshModule.h"
#include "tests/support/OpenPanelFixture.h"

#ifndef _WIN32
#include "platform/substitute/Timers.h"
#endif

namespace {

using PanelWindowTest = OpenPanelTest;

} // namespace

TEST_F(PanelWindowTest, CreatingOnTheAllStavesRowAsksForASetRow) {
    document.SelectSlots(2, 4);
    ASSERT_TRUE(UserInput::ClickRow(Item(kStaffSetListId), 0));
    ASSERT_FALSE(IsWindowEnabled(Item(kCreateButtonId))) << "no user reaches the command here";
    host.Log().Clear();

    EXPECT_TRUE(panel->HandleCommand(panel->createButton));
    const std::vector<BoxSeen>& boxes = desktop.BoxesSeen();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(u"No Staff Set Selection", boxes[0].caption);
    EXPECT_EQ(u"Please select a staff set (1-8) in the list, where the created staff set should "
              u"be placed.",
              boxes[0].text);
    EXPECT_EQ(desktop.MainWindow(), boxes[0].owner);
    EXPECT_EQ(0u, host.Log().CountOf("NX_StartVarluneEdit_UTF16"));
    EXPECT_EQ(0u, host.Log().CountOf("NX_StartVarluneEdit"));
}

TEST_F(PanelWindowTest, CommandsOfNoControlOrOfControlsWithoutAnOperationAreNotHandled) {
    NKCtrlButton stray(110);
    EXPECT_FALSE(panel->HandleCommand(nullptr));
    EXPECT_FALSE(panel->HandleCommand(&stray));
    EXPECT_FALSE(panel->HandleCommand(panel->nameEdit));
    EXPECT_FALSE(panel->HandleCommand(panel->switchButton)) << "its role reaches Ok instead";
    EXPECT_TRUE(desktop.BoxesSeen().empty());
    EXPECT_EQ(0u, host.Log().CountOf("NX_ExecuteMenuItem"));
}

TEST_F(PanelWindowTest, InvokingWhileThePanelIsOpenOpensNoSecondDialog) {
    HWND dialog = panel->dialogHandle;
    InvokePanel(desktop.MainWindow());
    EXPECT_EQ(1u, host.Log().CountOf("NX_Dialog"));
    EXPECT_EQ(dialog, panel->dialogHandle);
    EXPECT_EQ(dialog, GetActiveWindow());
}

TEST_F(PanelWindowTest, InvokingAfterCloseReopensTheSamePanelForTheFirstHostWindow) {
    ASSERT_TRUE(UserInput::CloseByCaption(panel->dialogHandle));
    desktop.PumpMessages();
    ASSERT_EQ(nullptr, panel->dialogHandle);

    InvokePanel(reinterpret_cast<HWND>(uintptr_t{0x5150}));
    desktop.PumpMessages();
    EXPECT_EQ(panel, Panel());
    EXPECT_NE(nullptr, panel->dialogHandle);
    EXPECT_EQ(desktop.MainWindow(), PanelUI()->hostWindow);
    const std::vector<HostCall> calls = host.Log().CallsOf("NX_Dialog");
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(reinterpret_cast<intptr_t>(desktop.MainWindow()), calls[1].arguments[2]);
    EXPECT_EQ(reinterpret_cast<intptr_t>(panel), calls[1].arguments[4]);
}

// The real timer's period, once: everywhere else ticks are delivered by the host when a test
// or scenario says so. Under Windows the panel's own timer runs for a second and a half of
// real time; natively the substitute records the timer the panel asked for.
TEST_F(PanelWindowTest, OpeningStartsTimerTwoWithAPeriodOf200Milliseconds) {
#ifdef _WIN32
    int ticks = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 1500) {
        MSG message;
        while (PeekMessageW(&message, panel->dialogHandle, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            EXPECT_EQ(kPanelTimerId, message.wParam);
            ++ticks;
        }
        Sleep(10);
    }
    // Seven ticks in 1.5 s at 200 ms; a slow machine may lose one or two, never gain any.
    EXPECT_GE(ticks, 3);
    EXPECT_LE(ticks, 8);
#else
    const std::vector<substitute::ActiveTimer> timers = substitute::ActiveTimers();
    ASSERT_EQ(1u, timers.size());
    EXPECT_EQ(panel->dialogHandle, timers[0].window);
    EXPECT_EQ(kPanelTimerId, timers[0].id);
    EXPECT_EQ(200u, timers[0].period);
#endif
}

// Showing the new dialog activates it within the same call from the host, which may take
// the lists the opening has just read; an activation after the opening must look again.
TEST_F(PanelWindowTest, AnActivationAfterReopeningShowsAChangeMadeBehindThePanel) {
    ASSERT_TRUE(UserInput::CloseByCaption(panel->dialogHandle));
    desktop.PumpMessages();
    InvokePanel(desktop.MainWindow());
    desktop.PumpMessages();
    ASSERT_NE(nullptr, panel->dialogHandle);
    ASSERT_NE(nullptr, panel->setList->RowOfItem(ListRowOfSet(2)));
    ASSERT_EQ(0, panel->setList->RowOfItem(ListRowOfSet(2))->UserData);

    WriteStaffList(document.PartRecords(0), StaffSetItem(2), {{1, 0}});
    SetActiveWindow(desktop.MainWindow());
    SetActiveWindow(panel->dialogHandle);
    desktop.PumpMessages();
    EXPECT_EQ(1, panel->setList->RowOfItem(ListRowOfSet(2))->UserData);
}
