// The dialog callback called directly, as the host calls it, on a window object whose dialog
// is not open: which virtual operation each message reaches and what the callback answers.
// This is the one home of that dispatch; NKResourceWindowTest shows what the window system
// and the host make of it.
#include <gtest/gtest.h>

#include <memory>

#include "framework/ui/DialogCallback.h"
#include "tests/support/FreshModule.h"
#include "tests/support/TestWindow.h"

namespace {

using Calls = std::vector<std::string>;

HWND const kNoDialog = nullptr;
// WM_SIZE kinds other than SIZE_RESTORED.
constexpr WPARAM kSizeMinimized = 1;
constexpr WPARAM kSizeMaximized = 2;

INT_PTR Send(TestWindow& window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DialogCallback(kNoDialog, message, wParam, lParam, &window);
}

INT_PTR Command(TestWindow& window, int id, int code = BN_CLICKED) {
    return Send(window, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

INT_PTR Notify(TestWindow& window, int id, NMHDR* header) {
    header->idFrom = static_cast<UINT_PTR>(id);
    return Send(window, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(header));
}

// A state change of a list item as the list view reports it.
NMLISTVIEW ItemChange(int item, UINT oldState, UINT newState) {
    NMLISTVIEW change{};
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = item;
    change.uChanged = LVIF_STATE;
    change.uOldState = oldState;
    change.uNewState = newState;
    return change;
}

std::u16string Units(LPCWSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : u"(null)";
}

class DialogCallbackTest : public ::testing::Test {
protected:
    FreshModule module;
    TestWindow window;
};

} // namespace

TEST(DialogCallbackWithoutWindow, AnswersZeroAndTouchesNothing) {
    MINMAXINFO info{};
    info.ptMinTrackSize = {11, 12};
    info.ptMaxTrackSize = {13, 14};
    NMLISTVIEW change = ItemChange(0, 0, LVIS_SELECTED);
    const std::pair<UINT, LPARAM> messages[] = {{WM_INITDIALOG, 0},
                                                {WM_COMMAND, 0},
                                                {WM_CLOSE, 0},
                                                {WM_GETMINMAXINFO, reinterpret_cast<LPARAM>(&info)},
                                                {WM_NOTIFY, reinterpret_cast<LPARAM>(&change)},
                                                {WM_SIZE, MAKELPARAM(100, 100)}};
    for (const auto& [message, lParam] : messages)
        EXPECT_EQ(0, DialogCallback(kNoDialog, message, 1, lParam, nullptr)) << message;
    EXPECT_EQ(11, info.ptMinTrackSize.x);
    EXPECT_EQ(14, info.ptMaxTrackSize.y);
}

TEST_F(DialogCallbackTest, MessagesItDoesNotHandleAnswerZeroAndCallNothing) {
    for (UINT message : {UINT{WM_USER}, UINT{WM_KEYDOWN}, UINT{WM_DESTROY}, UINT{WM_LBUTTONDOWN},
                         UINT{WM_SETFOCUS}})
        EXPECT_EQ(0, Send(window, message, 1, 2)) << message;
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(0, window.dialogResult);
    EXPECT_FALSE(window.closed);
}

TEST_F(DialogCallbackTest, CommandsOfConfirmingDismissingAndThirdButtonsCloseWithTheirResult) {
    struct Case {
        int id;
        Calls calls;
        uint16_t result;
    };
    const Case cases[] = {
        {TestWindow::kOkId, {"Ok", "CloseWindow"}, 1},
        {TestWindow::kCancelId, {"Cancel", "CloseWindow"}, 2},
        {TestWindow::kThirdId, {"Dismiss", "Cancel", "CloseWindow"}, 2},
    };
    for (const Case& c : cases) {
        TestWindow fresh;
        EXPECT_EQ(1, Command(fresh, c.id)) << c.id;
        EXPECT_EQ(c.calls, fresh.Take()) << c.id;
        EXPECT_EQ(c.result, fresh.dialogResult) << c.id;
        EXPECT_TRUE(fresh.closed) << c.id;
    }
}

TEST_F(DialogCallbackTest, ARoleTheDispatchDoesNotKnowIsHandledWithoutACall) {
    EXPECT_EQ(1, Command(window, TestWindow::kUnknownRoleId));
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(0, window.dialogResult);
}

TEST_F(DialogCallbackTest, OrdinaryControlsAndUnknownIdsReachHandleCommandWhichDecidesTheAnswer) {
    EXPECT_EQ(0, Command(window, TestWindow::kOrdinaryId));
    EXPECT_EQ(0, Command(window, 106)) << "no control of the window has id 106";
    window.commandAnswer = true;
    EXPECT_EQ(1, Command(window, TestWindow::kEditId, EN_CHANGE));
    EXPECT_EQ(1, Command(window, 106));
    EXPECT_EQ((Calls{"HandleCommand 104", "HandleCommand null", "HandleCommand 102",
                     "HandleCommand null"}),
              window.Take());
}

TEST_F(DialogCallbackTest, OnlyTheLowWordOfACommandNamesTheControl) {
    EXPECT_EQ(1, Command(window, TestWindow::kOkId, EN_KILLFOCUS));
    EXPECT_EQ((Calls{"Ok", "CloseWindow"}), window.Take());
    EXPECT_EQ(0, Send(window, WM_COMMAND, 0x00680000 | 104, 0)) << "code 0x68, control 104";
    EXPECT_EQ((Calls{"HandleCommand 104"}), window.Take());
}

TEST_F(DialogCallbackTest, OkAndCancelOnAClosedWindowOnlyRecordTheResult) {
    window.closed = true;
    EXPECT_EQ(1, Command(window, TestWindow::kOkId));
    EXPECT_EQ(1, window.dialogResult);
    EXPECT_EQ(0, Send(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(2, window.dialogResult);
    EXPECT_EQ((Calls{"Ok", "Cancel"}), window.Take());
}

// Up-down deltas depend on the style of the notifying window, so they are shown on a real
// dialog (NKResourceWindowTest).
TEST_F(DialogCallbackTest, TimerTicksCarryTheirId) {
    EXPECT_EQ(0, Send(window, WM_TIMER, 2, 0));
    EXPECT_EQ(0, Send(window, WM_TIMER, 7, 0));
    EXPECT_EQ((Calls{"HandleTimer 2", "HandleTimer 7"}), window.Take());
}

TEST_F(DialogCallbackTest, SelectionChangesOfTabsAndTreesCountAsCommands) {
    for (UINT code : {UINT(TCN_SELCHANGE), UINT(TVN_SELCHANGEDW), UINT(TVN_SELCHANGEDA)}) {
        NMHDR header{};
        header.code = code;
        EXPECT_EQ(0, Notify(window, TestWindow::kOrdinaryId, &header));
    }
    EXPECT_EQ(Calls(3, "HandleCommand 104"), window.Take());
}

TEST_F(DialogCallbackTest, TheCheckBitIsReportedBeforeTheSelectionBit) {
    NMLISTVIEW both = ItemChange(4, 0x1000, 0x2002);
    EXPECT_EQ(0, Notify(window, TestWindow::kListId, &both.hdr));
    NMLISTVIEW back = ItemChange(4, 0x2003, 0x1001);
    Notify(window, TestWindow::kListId, &back.hdr);
    EXPECT_EQ((Calls{"RowCheckChanged 4 checked", "RowSelected 4", "RowCheckChanged 4 unchecked",
                     "RowDeselected 4"}),
              window.Take());
}

TEST_F(DialogCallbackTest, StateChangesOtherThanCheckAndSelectionCallNothing) {
    NMLISTVIEW focus = ItemChange(2, 0x1000, 0x1001);
    Notify(window, TestWindow::kListId, &focus.hdr);
    NMLISTVIEW cut = ItemChange(2, 0x1001, 0x1005);
    Notify(window, TestWindow::kListId, &cut.hdr);
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(DialogCallbackTest, ListNotificationsFromControlsThatAreNoListOrNotTheWindowsAreIgnored) {
    NMLISTVIEW change = ItemChange(1, 0x1000, 0x2002);
    Notify(window, TestWindow::kOrdinaryId, &change.hdr);
    Notify(window, 103, &change.hdr);
    NMHDR doubleClick{};
    doubleClick.code = NM_DBLCLK;
    Notify(window, TestWindow::kOrdinaryId, &doubleClick);
    NMHDR tab{};
    tab.code = TCN_SELCHANGE;
    Notify(window, 103, &tab);
    EXPECT_TRUE(window.calls.empty());

    Notify(window, TestWindow::kListId, &doubleClick);
    EXPECT_EQ((Calls{"RowDoubleClicked"}), window.Take());
}

TEST_F(DialogCallbackTest, DisplayRequestsGetTheRowsCellOrQuestionMarks) {
    std::unique_ptr<NKDataListRow> row(MakeRow({u"2", u"Clarinet in B\u266D", u"3"}));
    NMLVDISPINFOW request{};
    request.hdr.code = LVN_GETDISPINFOW;
    request.item.mask = LVIF_TEXT;
    request.item.lParam = reinterpret_cast<LPARAM>(row.get());
    const std::pair<int, std::u16string> cells[] = {
        {1, u"Clarinet in B\u266D"}, {4, u""}, {5, u"???"}, {-1, u"???"}};
    for (const auto& [cell, shown] : cells) {
        request.item.iSubItem = cell;
        request.item.pszText = nullptr;
        EXPECT_EQ(0, Notify(window, TestWindow::kListId, &request.hdr));
        EXPECT_EQ(shown, Units(request.item.pszText)) << cell;
    }

    request.item.lParam = 0;
    request.item.iSubItem = 0;
    Notify(window, TestWindow::kListId, &request.hdr);
    EXPECT_EQ(u"???", Units(request.item.pszText)) << "an item without a row";

    request.item.mask = LVIF_IMAGE;
    request.item.pszText = nullptr;
    Notify(window, TestWindow::kListId, &request.hdr);
    EXPECT_EQ(nullptr, request.item.pszText) << "no text asked for, none given";
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(DialogCallbackTest, NarrowDisplayRequestsGetTheBytesOrQuestionMarks) {
    std::unique_ptr<NKDataListRow> row(MakeRow({u"2", u"Clarinet in B\u266D \u00E9", u"3"}));
    NMLVDISPINFOA request{};
    request.hdr.code = LVN_GETDISPINFOA;
    request.item.mask = LVIF_TEXT;
    request.item.lParam = reinterpret_cast<LPARAM>(row.get());
    request.item.iSubItem = 1;
    Notify(window, TestWindow::kListId, &request.hdr);
    ASSERT_NE(nullptr, request.item.pszText);
    EXPECT_STREQ("Clarinet in B? \xE9", request.item.pszText) << "U+266D has no byte; U+00E9 has";
    request.item.iSubItem = 5;
    Notify(window, TestWindow::kListId, &request.hdr);
    EXPECT_STREQ("???", request.item.pszText);
}

TEST_F(DialogCallbackTest, SizeChangesAreNotedOnlyWhenRestoredAndUnfolded) {
    EXPECT_EQ(0, Send(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(510, 255)));
    EXPECT_TRUE(window.calls.empty()) << "no client size known yet: nothing to compare with";
    Send(window, WM_SIZE, kSizeMinimized, MAKELPARAM(0, 0));
    Send(window, WM_SIZE, kSizeMaximized, MAKELPARAM(1024, 700));
    window.shaded = true;
    Send(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(510, 0));
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(510, window.clientWidth);
    EXPECT_EQ(255, window.clientHeight);

    window.shaded = false;
    Send(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 200));
    EXPECT_EQ((Calls{"HandleResize 400x200 from 510x255"}), window.Take());
    EXPECT_EQ(400, window.clientWidth);
    EXPECT_EQ(200, window.clientHeight);
}

TEST_F(DialogCallbackTest, TrackingLimitsAreTheMeasuredSizeAndAFoldedWindowMayGoDownToNothing) {
    window.minTrackWidth = window.maxTrackWidth = 516;
    window.minTrackHeight = window.maxTrackHeight = 280;
    MINMAXINFO info{};
    EXPECT_EQ(0, Send(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(516, info.ptMinTrackSize.x);
    EXPECT_EQ(280, info.ptMinTrackSize.y);
    EXPECT_EQ(516, info.ptMaxTrackSize.x);
    EXPECT_EQ(280, info.ptMaxTrackSize.y);

    window.shaded = true;
    Send(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(516, info.ptMinTrackSize.x);
    EXPECT_EQ(0, info.ptMinTrackSize.y);
    EXPECT_EQ(280, info.ptMaxTrackSize.y);
}
