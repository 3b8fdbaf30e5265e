// The test window opened through NX_Dialog: what the host's dialog hands to the window's
// operations when the user clicks, closes and switches windows, and when the host's own
// messages arrive.
#include <algorithm>

#include "framework/ui/DialogCallback.h"
#include "simhost/desktop/PanelFacts.h"
#include "simhost/desktop/UserInput.h"
#include "tests/support/TestWindowFixture.h"

TEST_F(TestWindowTest, OpeningAsksTheHostForTheTemplateWithTheCallbackAndTheWindow) {
    ASSERT_TRUE(Open());
    const std::vector<HostCall> calls = host.Log().CallsOf("NX_Dialog");
    ASSERT_EQ(1u, calls.size());
    const std::vector<int64_t>& arguments = calls[0].arguments;
    EXPECT_EQ(20128, arguments[0]);
    EXPECT_EQ(reinterpret_cast<intptr_t>(&DialogCallback), arguments[1]);
    EXPECT_EQ(reinterpret_cast<intptr_t>(desktop.MainWindow()), arguments[2]);
    EXPECT_EQ(0, arguments[3]);
    EXPECT_EQ(reinterpret_cast<intptr_t>(&window), arguments[4]);
    EXPECT_EQ(int64_t{kApiVersion}, arguments[5]);

    EXPECT_EQ(desktop.MainWindow(), GetWindow(Dialog(), GW_OWNER));
    EXPECT_EQ(u"QM Staff Set Panel", WindowTextOf(Dialog()));
    EXPECT_FALSE(window.closed);
    EXPECT_FALSE(window.initPending) << "cleared when the dialog was first shown";
}

TEST_F(TestWindowTest, InitialisationComesFirstAndIsTheOnlyCallUntilTheDialogShows) {
    window.Open(desktop.MainWindow());
    ASSERT_NE(nullptr, Dialog());
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ("InitWindow", window.calls[0]);
    EXPECT_EQ(1, std::count(window.calls.begin(), window.calls.end(), "InitWindow"));
}

TEST_F(TestWindowTest, OpeningAnOpenDialogShowsAndActivatesItInsteadOfMakingAnother) {
    ASSERT_TRUE(Open());
    HWND first = Dialog();
    ShowWindow(first, SW_HIDE);
    ASSERT_FALSE(IsWindowVisible(first));
    window.Open(desktop.MainWindow());
    EXPECT_EQ(1u, host.Log().CountOf("NX_Dialog"));
    EXPECT_EQ(first, Dialog());
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(first, GetActiveWindow());
}

TEST_F(TestWindowTest, ClickedButtonsReachTheOperationOfTheirRole) {
    ASSERT_TRUE(Open());
    EXPECT_TRUE(UserInput::ClickButton(Item(TestWindow::kOrdinaryId)));
    EXPECT_TRUE(UserInput::ClickButton(Item(TestWindow::kUnknownRoleId)));
    EXPECT_TRUE(UserInput::ClickButton(Item(106)));
    EXPECT_EQ((Calls{"HandleCommand 104", "HandleCommand null"}), window.Take());
    EXPECT_EQ(0, window.dialogResult);
    EXPECT_TRUE(IsWindow(Dialog()));
}

TEST_F(TestWindowTest, TheConfirmingButtonEndsTheDialogAndTheObjectForgetsIt) {
    ASSERT_TRUE(Open());
    HWND dialog = Dialog();
    EXPECT_TRUE(UserInput::ClickButton(Item(TestWindow::kOkId)));
    Calls calls = window.Take();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ((Calls{"Ok", "CloseWindow"}), Calls(calls.begin(), calls.begin() + 2));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(nullptr, window.dialogHandle);
    EXPECT_EQ(nullptr, window.dialogCallback);
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(1, window.dialogResult);
    EXPECT_EQ(1u, host.Log().CountOf("NX_EndDialog"));
}

TEST_F(TestWindowTest, TheThirdButtonDismissesTheDialog) {
    ASSERT_TRUE(Open());
    EXPECT_TRUE(UserInput::ClickButton(Item(TestWindow::kThirdId)));
    Calls calls = window.Take();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ((Calls{"Dismiss", "Cancel", "CloseWindow"}), Calls(calls.begin(), calls.begin() + 3));
    EXPECT_EQ(2, window.dialogResult);
    EXPECT_EQ(nullptr, window.dialogHandle);
}

TEST_F(TestWindowTest, TheCaptionsCloseBoxCancelsOnce) {
    ASSERT_TRUE(Open());
    HWND dialog = Dialog();
    EXPECT_TRUE(UserInput::CloseByCaption(dialog));
    desktop.PumpMessages();
    const Calls calls = window.Take();
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "Cancel"));
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "CloseWindow"));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(2, window.dialogResult);
}

TEST_F(TestWindowTest, AClosedWindowsOkAndCancelLeaveTheDialogOpen) {
    ASSERT_TRUE(Open());
    HWND dialog = Dialog();
    window.closed = true;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(TestWindow::kOkId, BN_CLICKED), 0);
    EXPECT_EQ(1, window.dialogResult);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(TestWindow::kCancelId, BN_CLICKED), 0);
    EXPECT_EQ(2, window.dialogResult);
    EXPECT_EQ((Calls{"Ok", "Cancel"}), window.Take());
    EXPECT_EQ(dialog, window.dialogHandle);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(0u, host.Log().CountOf("NX_EndDialog"));
}

TEST_F(TestWindowTest, AClosedWindowOpensAgainFromTheSameObject) {
    ASSERT_TRUE(Open());
    HWND first = Dialog();
    window.Cancel();
    ASSERT_FALSE(IsWindow(first));
    ASSERT_TRUE(Open());
    EXPECT_NE(nullptr, Dialog());
    EXPECT_FALSE(window.closed);
    EXPECT_EQ(2u, host.Log().CountOf("NX_Dialog"));
    EXPECT_TRUE(IsWindowVisible(Dialog()));
}

TEST_F(TestWindowTest, TimerTicksReachTheWindowWithTheirId) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(0, SendMessageW(Dialog(), WM_TIMER, 2, 0));
    EXPECT_EQ((Calls{"HandleTimer 2"}), window.Take());
}

TEST_F(TestWindowTest, ActivationChangesReachTheWindowBothWays) {
    ASSERT_TRUE(Open());
    ASSERT_EQ(Dialog(), GetActiveWindow());
    EXPECT_TRUE(UserInput::Activate(desktop.MainWindow()));
    EXPECT_EQ((Calls{"HandleActivate off"}), window.Take());
    EXPECT_TRUE(UserInput::Activate(Dialog()));
    EXPECT_EQ((Calls{"HandleActivate on"}), window.Take());
}

TEST_F(TestWindowTest, TheDialogIsDisabledWhileTheHostShowsAModalDialog) {
    ASSERT_TRUE(Open());
    ASSERT_TRUE(desktop.PutUpModalDialog());
    SendMessageW(Dialog(), PanelFacts::kHostStateChanged, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(Dialog()));
    desktop.TakeDownModalDialog();
    SendMessageW(Dialog(), PanelFacts::kHostStateChanged, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(Dialog()));
}

TEST_F(TestWindowTest, AWindowThatKeepsItsEnabledStateIgnoresTheHost) {
    ASSERT_TRUE(Open());
    window.keepEnabled = true;
    ASSERT_TRUE(desktop.PutUpModalDialog());
    SendMessageW(Dialog(), PanelFacts::kHostStateChanged, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(Dialog()));
    desktop.TakeDownModalDialog();
}

TEST_F(TestWindowTest, UpDownDeltasKeepTheirSignOnlyFromAControlThatSetsItsBuddysNumber) {
    ASSERT_TRUE(Open());
    // The dispatch reads only the notifying window's style bit 0x0002; a check box has it.
    HWND setsBuddy = CreateWindowExW(0, W(u"button"), W(u""), WS_CHILD | BS_CHECKBOX, 0, 0, 10, 10,
                                     Dialog(), nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, setsBuddy);
    NMUPDOWN upDown{};
    upDown.hdr.code = UDN_DELTAPOS;
    upDown.hdr.idFrom = TestWindow::kOrdinaryId;
    upDown.iDelta = -2;
    upDown.hdr.hwndFrom = setsBuddy;
    SendMessageW(Dialog(), WM_NOTIFY, TestWindow::kOrdinaryId, reinterpret_cast<LPARAM>(&upDown));
    upDown.hdr.hwndFrom = Item(TestWindow::kOrdinaryId);
    SendMessageW(Dialog(), WM_NOTIFY, TestWindow::kOrdinaryId, reinterpret_cast<LPARAM>(&upDown));
    EXPECT_EQ((Calls{"HandleUpDown 104 -2", "HandleUpDown 104 2"}), window.Take());
}
