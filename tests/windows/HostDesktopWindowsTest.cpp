// The host's desktop against the real window system: the message loop's keyboard handling and
// its timer rule, boxes closed before the panel's timer can tick, the import redirection of
// beeps, and screenshots.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/support/HostDialogFixture.h"

namespace {

// A timer of the panel's kind whose first tick is already due.
void DueTimer(HWND dialog) {
    SetTimer(dialog, 2, 1, nullptr);
    Sleep(20);
}

std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

uint32_t BigEndianAt(const std::vector<unsigned char>& bytes, size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 |
           uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

} // namespace

TEST_F(HostDialogTest, PumpingGivesThePanelTabAndMnemonicsButLeavesTimerTicksQueued) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    DueTimer(dialog);

    SetFocus(GetDlgItem(dialog, 1));
    PostMessageW(GetDlgItem(dialog, 1), WM_KEYDOWN, VK_TAB, 0);
    desktop.PumpMessages();
    EXPECT_EQ(GetDlgItem(dialog, 2), GetFocus()) << "Tab moves to the next tab stop";

    // Alt+D: "&Delete Set".
    PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'D', 1 << 29);
    PostMessageW(GetFocus(), WM_SYSCHAR, 'd', 1 << 29);
    desktop.PumpMessages();
    bool deletePressed = false;
    for (const RoutedMessage& routed : panel.seen)
        deletePressed |= routed.message == WM_COMMAND && LOWORD(routed.wParam) == 109;
    EXPECT_TRUE(deletePressed);

    EXPECT_EQ(0u, panel.CountOf(WM_TIMER));
    MSG tick;
    EXPECT_TRUE(PeekMessageW(&tick, dialog, WM_TIMER, WM_TIMER, PM_NOREMOVE))
        << "the tick is still waiting for the scenario";
    KillTimer(dialog, 2);
}

TEST_F(HostDialogTest, BoxIsAnsweredBeforeThePanelTimerTicks) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    DueTimer(dialog);
    desktop.AnswerNextBoxes({IDYES});
    EXPECT_EQ(IDYES, MessageBoxW(desktop.MainWindow(), L"Replace?", L"Replace Current Staff Set?",
                                 MB_YESNO));
    EXPECT_EQ(0u, panel.CountOf(WM_TIMER));
    KillTimer(dialog, 2);
}

TEST(HostDesktopWindows, BeepRedirectionEndsWithTheDesktop) {
    {
        HostDesktop watching;
        ASSERT_TRUE(watching.RecordBeepsOf(GetModuleHandleW(nullptr)));
    }
    HostDesktop later;
    MessageBeep(MB_ICONEXCLAMATION);
    EXPECT_TRUE(later.Beeps().empty());
}

TEST(HostDesktopWindows, ModuleThatDoesNotBeepCannotBeWatched) {
    HostDesktop desktop;
    EXPECT_FALSE(desktop.RecordBeepsOf(GetModuleHandleW(L"kernel32.dll")));
}

TEST_F(HostDialogTest, ScreenshotOfThePanelIsAPngOfItsOuterSize) {
    HWND dialog = OpenPanel(panel);
    ASSERT_NE(nullptr, dialog);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(dialog, &outer));
    const std::string path = "panel-screenshot.png";
    ASSERT_TRUE(desktop.SaveScreenshot(dialog, path));

    std::vector<unsigned char> png = FileBytes(path);
    std::remove(path.c_str());
    ASSERT_GE(png.size(), 33u);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
    EXPECT_EQ(13u, BigEndianAt(png, 8));
    EXPECT_EQ(0, std::memcmp(&png[12], "IHDR", 4));
    EXPECT_EQ(static_cast<uint32_t>(outer.right - outer.left), BigEndianAt(png, 16));
    EXPECT_EQ(static_cast<uint32_t>(outer.bottom - outer.top), BigEndianAt(png, 20));
}
