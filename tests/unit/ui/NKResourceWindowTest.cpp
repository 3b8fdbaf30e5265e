// The framework's resource window, through a small test window opened the way the plug-in
// opens its panel (through NX_Dialog): what becomes of the host's dialog when the window
// opens, closes and is closed by the user, which of the window system's and the host's own
// messages reach it, and where its dialog stands and how large it is: the limits it answers,
// its client size as resizing reports it, folding to the caption bar, and the remembered
// position. Which operation each message calls is DialogCallbackTest's to show; here the
// calls are counted only where the window system decides how many messages come.
//
// The host's main window is at (0, 0), 800 x 600 pixels outside; the template puts the dialog
// 20 x 40 dialog units into the main window's client area. Under Wine the folded height holds
// only for windows Wine manages itself (the suite's prefix says so): a window manager's frame
// would grow a folded dialog back to a client area one pixel high.
#include <algorithm>

#include "framework/ui/DialogCallback.h"
#include "framework/ui/NKUI.h"
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

TEST_F(TestWindowTest, ButtonsThatCloseEndTheDialogThroughTheHostAndTheObjectForgetsIt) {
    for (int16_t button : {TestWindow::kOkId, TestWindow::kCancelId, TestWindow::kThirdId}) {
        ASSERT_TRUE(Open()) << button;
        HWND dialog = Dialog();
        host.Log().Clear();
        EXPECT_TRUE(UserInput::ClickButton(Item(button)));
        EXPECT_FALSE(IsWindow(dialog)) << button;
        EXPECT_EQ(nullptr, window.dialogHandle) << button;
        EXPECT_EQ(nullptr, window.dialogCallback) << button;
        EXPECT_TRUE(window.closed) << button;
        EXPECT_EQ(1u, host.Log().CountOf("NX_EndDialog")) << button;
    }
}

TEST_F(TestWindowTest, OtherButtonsLeaveTheDialogOpen) {
    ASSERT_TRUE(Open());
    for (int id : {int{TestWindow::kOrdinaryId}, int{TestWindow::kUnknownRoleId}, 106})
        EXPECT_TRUE(UserInput::ClickButton(Item(id))) << id;
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    EXPECT_FALSE(window.closed);
    EXPECT_EQ(0u, host.Log().CountOf("NX_EndDialog"));
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
    EXPECT_TRUE(UserInput::ClickButton(Item(TestWindow::kOkId)));
    EXPECT_TRUE(UserInput::ClickButton(Item(TestWindow::kCancelId)));
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
    // The most negative delta has no negation in 32 bits: the nearest value stands for it.
    upDown.iDelta = INT32_MIN;
    SendMessageW(Dialog(), WM_NOTIFY, TestWindow::kOrdinaryId, reinterpret_cast<LPARAM>(&upDown));
    EXPECT_EQ((Calls{"HandleUpDown 104 2147483647"}), window.Take());
}

namespace {

constexpr const char* kOpened = "31,61 516x280";
constexpr const char* kFolded = "31,61 516x25";

class TestWindowGeometry : public TestWindowTest {
protected:
    void SetUp() override {
        TestWindowTest::SetUp();
        ASSERT_TRUE(Open());
    }

    MINMAXINFO AskLimits() const {
        MINMAXINFO info{};
        SendMessageW(Dialog(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }
    static std::string Track(const MINMAXINFO& info) {
        return std::to_string(info.ptMinTrackSize.x) + "x" + std::to_string(info.ptMinTrackSize.y) +
               " to " + std::to_string(info.ptMaxTrackSize.x) + "x" +
               std::to_string(info.ptMaxTrackSize.y);
    }
};

} // namespace

TEST_F(TestWindowGeometry, TheTemplatesDialogIsMeasuredAtInitialisation) {
    EXPECT_EQ(kOpened, Outer());
    EXPECT_EQ("510x255", Client());
    EXPECT_EQ(516, window.minTrackWidth);
    EXPECT_EQ(516, window.maxTrackWidth);
    EXPECT_EQ(280, window.minTrackHeight);
    EXPECT_EQ(280, window.maxTrackHeight);
    EXPECT_EQ(510, window.clientWidth);
    EXPECT_EQ(255, window.clientHeight);
}

TEST_F(TestWindowGeometry, TheDialogCannotBeResizedButFoldedMayGoDownToItsCaption) {
    EXPECT_EQ("516x280 to 516x280", Track(AskLimits()));
    window.SetShade(true);
    EXPECT_EQ("516x0 to 516x280", Track(AskLimits()));
    window.SetShade(false);
    EXPECT_EQ("516x280 to 516x280", Track(AskLimits()));
}

TEST_F(TestWindowGeometry, ResizingReportsTheNewClientSizeAgainstTheOneMeasuredAtInitialisation) {
    SetWindowPos(Dialog(), nullptr, 0, 0, 416, 230, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ((Calls{"HandleResize 410x205 from 510x255"}), window.Take());
    SetWindowPos(Dialog(), nullptr, 0, 0, 516, 280, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ((Calls{"HandleResize 510x255 from 410x205"}), window.Take());
}

TEST_F(TestWindowGeometry, FoldingLeavesTheCaptionWholeAndNoClientArea) {
    window.SetShade(true);
    EXPECT_TRUE(window.shaded);
    EXPECT_EQ(kFolded, Outer());
    EXPECT_EQ("510x0", Client());
    EXPECT_EQ(280, window.unshadedHeight);
    EXPECT_TRUE(window.calls.empty()) << "a folded window's size changes are not reported";
    EXPECT_EQ(510, window.clientWidth);
    EXPECT_EQ(255, window.clientHeight);

    window.SetShade(false);
    EXPECT_FALSE(window.shaded);
    EXPECT_EQ(kOpened, Outer());
    EXPECT_EQ("510x255", Client());
    EXPECT_EQ((Calls{"HandleResize 510x255 from 510x255"}), window.Take());
}

TEST_F(TestWindowGeometry, FoldingTwiceFoldsOnce) {
    window.SetShade(true);
    window.SetShade(true);
    EXPECT_EQ(kFolded, Outer());
    EXPECT_EQ(280, window.unshadedHeight) << "not the folded height";
    window.SetShade(false);
    EXPECT_EQ(kOpened, Outer());
    window.SetShade(false);
    EXPECT_EQ(kOpened, Outer());
}

TEST_F(TestWindowGeometry, AWindowFoldsWhenTheHostIsActivatedAndUnfoldsWhenItIs) {
    window.foldWhileInactive = true;
    ASSERT_TRUE(UserInput::Activate(desktop.MainWindow()));
    EXPECT_TRUE(window.shaded);
    EXPECT_EQ(kFolded, Outer());
    ASSERT_TRUE(UserInput::Activate(Dialog()));
    EXPECT_FALSE(window.shaded);
    EXPECT_EQ(kOpened, Outer());
}

TEST_F(TestWindowGeometry, NothingFoldsWhileAModuleBoxIsOpen) {
    window.foldWhileInactive = true;
    ASSERT_EQ(Dialog(), GetActiveWindow());
    NKUI ui(desktop.MainWindow());
    ui.ShowInfo("Please select a region that should be created as a staff set.",
                "No Region Selected");
    ASSERT_EQ(1u, desktop.BoxesSeen().size());
    const Calls calls = window.Take();
    EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), "HandleActivate off"))
        << "the box took the activation from the dialog";
    EXPECT_FALSE(window.shaded);
    EXPECT_EQ(kOpened, Outer());
    EXPECT_TRUE(MessageBoxIdle());
}

TEST_F(TestWindowGeometry, WithoutADialogNothingFolds) {
    window.Cancel();
    window.SetShade(true);
    EXPECT_FALSE(window.shaded);
}

TEST_F(TestWindowGeometry, RememberingAFoldedWindowMeasuresItUnfoldedAndFoldsItAgain) {
    window.SetShade(true);
    window.RememberPlacement();
    EXPECT_TRUE(window.positionKnown);
    EXPECT_FALSE(window.sizeKnown);
    EXPECT_EQ(31, window.rememberedX);
    EXPECT_EQ(61, window.rememberedY);
    EXPECT_EQ(516, window.rememberedWidth);
    EXPECT_EQ(280, window.rememberedHeight);
    EXPECT_TRUE(window.shaded);
    EXPECT_EQ(kFolded, Outer());
}

TEST_F(TestWindowGeometry, WithoutARememberedPositionPlacementFailsAndLeavesTheDialog) {
    EXPECT_FALSE(window.ApplyPlacement());
    EXPECT_EQ(kOpened, Outer());
    EXPECT_FALSE(window.placementApplied);
}

TEST_F(TestWindowGeometry, ARememberedPositionMovesTheDialogWithoutResizingIt) {
    window.positionKnown = true;
    window.rememberedX = 120;
    window.rememberedY = 80;
    window.rememberedWidth = 50;
    window.rememberedHeight = 40;
    EXPECT_TRUE(window.ApplyPlacement());
    EXPECT_EQ("120,80 516x280", Outer());
    EXPECT_TRUE(window.placementApplied);
}

TEST_F(TestWindowGeometry, AFoldedDialogIsMovedAndStaysFolded) {
    window.SetShade(true);
    window.positionKnown = true;
    window.rememberedX = 200;
    window.rememberedY = 150;
    EXPECT_TRUE(window.ApplyPlacement());
    EXPECT_TRUE(window.shaded);
    EXPECT_EQ("200,150 516x25", Outer());
    window.SetShade(false);
    EXPECT_EQ("200,150 516x280", Outer());
}

TEST_F(TestWindowGeometry, APositionOnNoMonitorLeavesTheDialogWhereItIs) {
    window.positionKnown = true;
    window.rememberedX = 5000;
    window.rememberedY = 4000;
    EXPECT_TRUE(window.ApplyPlacement());
    EXPECT_EQ(kOpened, Outer());
    EXPECT_TRUE(window.placementApplied);
}

TEST_F(TestWindowGeometry, AKnownSizeIsRaisedToTheLimitsAndApplied) {
    window.positionKnown = true;
    window.sizeKnown = true;
    window.rememberedX = 100;
    window.rememberedY = 100;
    window.rememberedWidth = 50;
    window.rememberedHeight = 400;
    EXPECT_TRUE(window.ApplyPlacement());
    EXPECT_EQ(516, window.rememberedWidth);
    EXPECT_EQ(400, window.rememberedHeight);
    EXPECT_EQ("100,100 516x400", Outer());
}

TEST_F(TestWindowGeometry, TheFirstShowingPlacesAnInitialisedWindowOnceMore) {
    window.positionKnown = true;
    window.rememberedX = 200;
    window.rememberedY = 150;
    window.initPending = true;
    window.placementApplied = true;
    SendMessageW(Dialog(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ("200,150 516x280", Outer());
    EXPECT_FALSE(window.initPending);
    EXPECT_FALSE(window.placementApplied);

    SetWindowPos(Dialog(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Dialog(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ("40,30 516x280", Outer()) << "only the first showing after initialisation";
}

TEST_F(TestWindowGeometry, ShowingAWindowThatDidNotPlaceItselfLeavesItWhereItIs) {
    window.positionKnown = true;
    window.rememberedX = 200;
    window.rememberedY = 150;
    window.initPending = true;
    SendMessageW(Dialog(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(kOpened, Outer());
    EXPECT_FALSE(window.initPending);
}
