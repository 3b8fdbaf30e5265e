// The panel's dialog as a window: where it appears, and which messages the panel acts on reach
// it while it is created, activated, moved, folded, closed and destroyed. This program runs
// natively against the substitute window system and, in the Windows build, under Wine against
// USER32: every expected value here was measured under Wine in the test display (1024 x 768). The
// rectangles are that display's frame sizes at work: a dialog frame of 3 and a caption of 19
// pixels, a client edge of 2, a resizing frame of 4.
#include <gtest/gtest.h>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"
#include "tests/unit/substitute/ReliedMessages.h"

using probe::ClientSize;
using probe::Describe;
using probe::DialogProbe;
using probe::WindowRect;
using relied::Lines;
using relied::Relied;

TEST(DialogWindow, TemplateUnitsBecomeTheMeasuredRectangles) {
    DialogProbe panel;
    EXPECT_EQ("100,50 600x400", Describe(WindowRect(panel.log.host)));
    EXPECT_EQ("592x373", ClientSize(panel.log.host));
    // (20, 40) dialog units from the owner's client area, 340 x 170 units of client area.
    EXPECT_EQ("131,111 516x280", Describe(WindowRect(panel.dialog)));
    EXPECT_EQ("510x255", ClientSize(panel.dialog));
    EXPECT_EQ(0x94C800CCu, static_cast<DWORD>(GetWindowLongW(panel.dialog, GWL_STYLE)));
    EXPECT_EQ(0x00010101u, static_cast<DWORD>(GetWindowLongW(panel.dialog, GWL_EXSTYLE)));

    const std::pair<int, const char*> controls[] = {
        {101, "149,148 375x195"}, {1, "539,148 90x21"},   {2, "554,178 60x21"},
        {105, "539,223 90x21"},   {106, "539,249 90x21"}, {107, "547,301 30x21"},
        {108, "592,301 30x21"},   {109, "539,328 90x21"}, {102, "149,358 300x18"},
        {103, "464,358 60x21"},   {104, "539,358 90x21"}};
    for (const auto& [id, rect] : controls)
        EXPECT_EQ(rect, Describe(WindowRect(panel.Item(id)))) << "control " << id;
    // A border in the template becomes a sunken edge two pixels wide.
    EXPECT_EQ("371x191", ClientSize(panel.list));
    EXPECT_EQ("296x14", ClientSize(panel.Item(102)));
    EXPECT_EQ(0x5001000Du, static_cast<DWORD>(GetWindowLongW(panel.list, GWL_STYLE)));
    EXPECT_EQ(0x00000204u, static_cast<DWORD>(GetWindowLongW(panel.list, GWL_EXSTYLE)));
    EXPECT_EQ(0x00000004u, static_cast<DWORD>(GetWindowLongW(panel.Item(1), GWL_EXSTYLE)));
}

TEST(DialogWindow, ADialogThatWouldLeaveTheScreenIsPushedBackOntoIt) {
    const std::pair<probe::HostPlacement, const char*> cases[] = {
        {{700, 500, 300, 200}, "505,485 516x280"},
        {{-50, -30, 300, 200}, "0,31 516x280"},
        {{600, 300, 300, 200}, "505,361 516x280"},
        {{300, 600, 300, 200}, "331,485 516x280"}};
    for (const auto& [host, expected] : cases) {
        DialogProbe panel(host);
        EXPECT_EQ(expected, Describe(WindowRect(panel.dialog))) << host.x << "," << host.y;
    }
    DialogProbe unowned({0, 0, 0, 0}, false);
    EXPECT_EQ("27,38 516x280", Describe(WindowRect(unowned.dialog)));
    EXPECT_EQ(nullptr, GetParent(unowned.dialog));
}

TEST(DialogWindow, CreationInitialisesThenShowsAndActivatesTheDialog) {
    DialogProbe panel;
    EXPECT_EQ((Lines{"dlg WM_INITDIALOG", "dlg WM_SHOWWINDOW", "dlg WM_WINDOWPOSCHANGING",
                     "dlg WM_ACTIVATE 1"}),
              Relied(panel.log.Take()));
    EXPECT_EQ(panel.dialog, GetActiveWindow());
    EXPECT_EQ(panel.list, GetFocus());
    EXPECT_EQ(panel.log.host, GetParent(panel.dialog)) << "a popup's parent is its owner";
    EXPECT_EQ(panel.log.host, GetWindow(panel.dialog, GW_OWNER));
    EXPECT_EQ(panel.dialog, GetParent(panel.list));
    EXPECT_EQ(u"QM Staff Set Panel", probe::Text(panel.dialog));
    EXPECT_EQ(18, GetWindowTextLengthW(panel.dialog));
}

TEST(DialogWindow, AnOverlappedWindowShownElsewhereTakesTheActivationFromTheDialog) {
    DialogProbe panel;
    probe::MessageLog& log = panel.log;
    log.Take();
    const HWND second =
        CreateWindowExW(0, probe::W(u"NKProbeHost"), probe::W(u"Second"), WS_OVERLAPPEDWINDOW, 200,
                        100, 300, 200, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(Relied(log.Take()).empty()) << "created hidden";
    ShowWindow(second, SW_SHOW);
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 0"}), Relied(log.Take()));
    EXPECT_EQ(second, GetActiveWindow());
    EXPECT_EQ("200,100 300x200", Describe(WindowRect(second)));
    EXPECT_EQ("292x173", ClientSize(second)) << "inside a resizing frame and a caption";
    DestroyWindow(second);
}

TEST(DialogWindow, ActivationMovesBetweenHostAndDialogAndTheDialogKeepsItsFocusedControl) {
    DialogProbe panel;
    panel.log.Take();
    EXPECT_EQ(panel.dialog, SetActiveWindow(panel.log.host));
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 0"}), Relied(panel.log.Take()));
    EXPECT_EQ(panel.log.host, SetActiveWindow(panel.log.host));
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "activating the active window sends nothing";

    EXPECT_TRUE(UserInput::Activate(panel.dialog));
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 1"}), Relied(panel.log.Take()));
    EXPECT_EQ(panel.list, GetFocus());
}

TEST(DialogWindow, HidingHandsActivationToTheOwnerAndShowingTakesItBack) {
    DialogProbe panel;
    panel.log.Take();
    EXPECT_TRUE(ShowWindow(panel.dialog, SW_HIDE));
    EXPECT_EQ((Lines{"dlg WM_SHOWWINDOW", "dlg WM_WINDOWPOSCHANGING", "dlg WM_ACTIVATE 0"}),
              Relied(panel.log.Take()));
    EXPECT_FALSE(IsWindowVisible(panel.dialog));
    EXPECT_FALSE(IsWindowVisible(panel.list)) << "hidden with its dialog";
    EXPECT_TRUE(static_cast<DWORD>(GetWindowLongW(panel.list, GWL_STYLE)) & WS_VISIBLE);
    EXPECT_FALSE(ShowWindow(panel.dialog, SW_HIDE));

    EXPECT_FALSE(ShowWindow(panel.dialog, SW_SHOWNORMAL));
    EXPECT_EQ((Lines{"dlg WM_SHOWWINDOW", "dlg WM_WINDOWPOSCHANGING", "dlg WM_ACTIVATE 1"}),
              Relied(panel.log.Take()));

    SetActiveWindow(panel.log.host);
    panel.log.Take();
    EXPECT_TRUE(ShowWindow(panel.dialog, SW_SHOWNORMAL));
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "a visible window is left as it is";
    EXPECT_EQ(panel.log.host, GetActiveWindow());
}

// The panel enables and disables its dialog after the host's main window whenever it is
// activated or moved; none of that may come back to it as a message it acts on.
TEST(DialogWindow, DisablingChangesNothingElseAndTakesOnlyTheWindowsOwnFocus) {
    DialogProbe panel;
    panel.log.Take();
    EXPECT_FALSE(EnableWindow(panel.dialog, FALSE));
    EXPECT_EQ(panel.list, GetFocus()) << "a control inside keeps the focus";
    EXPECT_FALSE(IsWindowEnabled(panel.dialog));
    EXPECT_TRUE(IsWindowEnabled(panel.list)) << "a child keeps its own state";
    EXPECT_TRUE(EnableWindow(panel.dialog, FALSE)) << "it was disabled already";
    EXPECT_TRUE(EnableWindow(panel.dialog, TRUE));
    EXPECT_FALSE(EnableWindow(panel.dialog, TRUE));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());

    EnableWindow(panel.list, FALSE);
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(nullptr, GetFocus());
    EXPECT_EQ(nullptr, SetFocus(panel.list)) << "a disabled window cannot take the focus";
    EXPECT_EQ(nullptr, GetFocus());
}

TEST(DialogWindow, FoldingToTheCaptionLeavesNoClientArea) {
    DialogProbe panel;
    panel.log.Take();
    // The panel's fold: twice SM_CYBORDER plus SM_CYCAPTION, without moving or activating,
    // which is less than the frame and caption take.
    SetWindowPos(panel.dialog, nullptr, 0, 0, 516, 21, 0x216);
    EXPECT_EQ((Lines{"dlg WM_WINDOWPOSCHANGING", "dlg WM_SIZE 0 510 0"}), Relied(panel.log.Take()));
    panel.Pump();
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ("131,111 516x21", Describe(WindowRect(panel.dialog)));
    EXPECT_EQ("510x0", ClientSize(panel.dialog));

    SetWindowPos(panel.dialog, nullptr, 0, 0, 516, 280, 0x216);
    EXPECT_EQ((Lines{"dlg WM_WINDOWPOSCHANGING", "dlg WM_SIZE 0 510 255"}),
              Relied(panel.log.Take()));
}

TEST(DialogWindow, MovingAsksTheDialogFirstReportsNoResizeAndTakesTheChildrenAlong) {
    DialogProbe panel;
    panel.log.Take();
    SetWindowPos(panel.dialog, nullptr, 120, 80, 0, 0, 0x215);
    EXPECT_EQ((Lines{"dlg WM_WINDOWPOSCHANGING"}), Relied(panel.log.Take()));
    EXPECT_EQ("120,80 516x280", Describe(WindowRect(panel.dialog)));
    EXPECT_EQ("138,117 375x195", Describe(WindowRect(panel.list))) << "children move along";
    SetWindowPos(panel.dialog, nullptr, 120, 80, 0, 0, 0x215);
    EXPECT_EQ((Lines{"dlg WM_WINDOWPOSCHANGING"}), Relied(panel.log.Take())) << "moving nowhere";
}

TEST(DialogWindow, TheCaptionCloseBoxPostsCancelFromTheDialogsDefaultProcessing) {
    DialogProbe panel;
    panel.log.Take();
    EXPECT_TRUE(UserInput::CloseByCaption(panel.dialog));
    EXPECT_EQ((Lines{"dlg WM_CLOSE"}), Relied(panel.log.Take()));
    panel.Pump();
    EXPECT_EQ((Lines{"dlg WM_COMMAND 2"}), Relied(panel.log.Take()));

    EnableWindow(panel.Item(IDCANCEL), FALSE);
    panel.log.Take();
    SendMessageW(panel.dialog, WM_CLOSE, 0, 0);
    panel.Pump();
    EXPECT_EQ((Lines{"dlg WM_CLOSE", "dlg WM_COMMAND 2"}), Relied(panel.log.Take()))
        << "even with the Cancel button disabled";
}

TEST(DialogWindow, DestroyingTheDialogHidesItHandsOnActivationThenDestroysIt) {
    DialogProbe panel;
    panel.log.Take();
    const HWND list = panel.list;
    EXPECT_TRUE(DestroyWindow(panel.dialog));
    EXPECT_EQ((Lines{"dlg WM_WINDOWPOSCHANGING", "dlg WM_ACTIVATE 0", "dlg WM_DESTROY",
                     "dlg WM_NCDESTROY"}),
              Relied(panel.log.Take()));
    EXPECT_FALSE(IsWindow(panel.dialog));
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(panel.log.host, GetActiveWindow());
    EXPECT_FALSE(PostMessageW(panel.dialog, WM_USER, 0, 0));
}

TEST(DialogWindow, DestroyingTheOwnerDestroysTheDialog) {
    DialogProbe panel;
    panel.log.Take();
    EXPECT_TRUE(DestroyWindow(panel.log.host));
    EXPECT_EQ((Lines{"dlg WM_WINDOWPOSCHANGING", "dlg WM_ACTIVATE 0", "dlg WM_DESTROY",
                     "dlg WM_NCDESTROY"}),
              Relied(panel.log.Take()));
    EXPECT_FALSE(IsWindow(panel.dialog));
    EXPECT_EQ(nullptr, GetActiveWindow());
}

TEST(DialogWindow, PostedMessagesAreReadInOrderWithinTheFilterRange) {
    DialogProbe panel;
    PostMessageW(panel.dialog, WM_USER + 5, 1, 2);
    PostMessageW(panel.dialog, WM_USER + 1, 3, 4);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_USER + 2, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_USER + 5), message.message);
    EXPECT_EQ(panel.dialog, message.hwnd);
    ASSERT_TRUE(PeekMessageW(&message, panel.dialog, WM_USER, WM_USER + 1, PM_NOREMOVE));
    EXPECT_EQ(static_cast<LPARAM>(4), message.lParam);
    MSG forHost{};
    forHost.hwnd = panel.log.host;
    forHost.message = WM_USER;
    EXPECT_FALSE(IsDialogMessageW(panel.dialog, &forHost)) << "not the dialog's";
    panel.Pump();
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_USER, WM_USER + 9, PM_REMOVE));
}

TEST(DialogWindow, TimersAnswerTheirIdAndStopOnce) {
    DialogProbe panel;
    EXPECT_EQ(2u, SetTimer(panel.dialog, 2, 200, nullptr));
    EXPECT_EQ(2u, SetTimer(panel.dialog, 2, 300, nullptr)) << "setting again replaces";
    EXPECT_TRUE(KillTimer(panel.dialog, 2));
    EXPECT_FALSE(KillTimer(panel.dialog, 2));
}

TEST(DialogWindow, OnlyRectanglesSharingPixelsWithTheScreenHaveAMonitor) {
    const RECT off{-100, -100, -10, -10}, on{1000, 700, 1200, 900}, edge{1024, 0, 1100, 50};
    EXPECT_EQ(nullptr, MonitorFromRect(&off, MONITOR_DEFAULTTONULL));
    EXPECT_NE(nullptr, MonitorFromRect(&on, MONITOR_DEFAULTTONULL));
    EXPECT_EQ(nullptr, MonitorFromRect(&edge, MONITOR_DEFAULTTONULL));
}
