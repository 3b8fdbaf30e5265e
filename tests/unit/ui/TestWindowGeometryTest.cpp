// Where the test window's dialog stands and how large it is: the limits it answers, its
// client size as resizing reports it, folding to the caption bar, and the remembered position.
// The host's main window is at (0, 0), 800 x 600 pixels outside; the template puts the dialog
// 20 x 40 dialog units into the main window's client area. Under Wine the folded height holds
// only for windows Wine manages itself (the suite's prefix says so): a window manager's frame
// would grow a folded dialog back to a client area one pixel high.
#include <algorithm>

#include "framework/ui/NKUI.h"
#include "simhost/desktop/UserInput.h"
#include "tests/support/TestWindowFixture.h"

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

TEST_F(TestWindowGeometry, SizeMessagesOtherThanRestoredChangeNothing) {
    SendMessageW(Dialog(), WM_SIZE, 2, MAKELPARAM(1024, 700));
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(510, window.clientWidth);
    EXPECT_EQ(255, window.clientHeight);
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
