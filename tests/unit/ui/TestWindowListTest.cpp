// The list control of the test window on a real list view: which row operations the user's
// clicks and the list's state changes reach, in which order, and what the list view shows
// when it asks the rows for their texts.
#include "simhost/desktop/UserInput.h"
#include "tests/support/TestWindowFixture.h"

namespace {

constexpr UINT kUnchecked = 0x1000;
constexpr UINT kChecked = 0x2000;

class TestWindowList : public TestWindowTest {
protected:
    void SetUp() override {
        TestWindowTest::SetUp();
        ASSERT_TRUE(Open());
    }
};

} // namespace

TEST_F(TestWindowList, ClickingARowSelectsItAndClickingAnotherDeselectsTheFirst) {
    EXPECT_TRUE(UserInput::ClickRow(List(), 1));
    EXPECT_EQ((Calls{"RowSelected 1"}), window.Take());
    EXPECT_TRUE(UserInput::ClickRow(List(), 2));
    EXPECT_EQ((Calls{"RowDeselected 1", "RowSelected 2"}), window.Take());
    EXPECT_TRUE(UserInput::ClickRow(List(), 2));
    EXPECT_TRUE(window.calls.empty()) << "the selected row again";
}

TEST_F(TestWindowList, DeselectingEveryRowReportsOnlyTheSelectedOne) {
    UserInput::ClickRow(List(), 0);
    window.Take();
    SetState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ((Calls{"RowDeselected 0"}), window.Take());
}

TEST_F(TestWindowList, CheckingARowReachesItsRowAndIsRememberedThere) {
    SetState(2, kChecked, LVIS_STATEIMAGEMASK);
    EXPECT_EQ((Calls{"RowCheckChanged 2 checked"}), window.Take());
    EXPECT_TRUE(window.list->RowOfItem(2)->checked);
    EXPECT_FALSE(window.list->RowOfItem(1)->checked);
    SetState(2, kUnchecked, LVIS_STATEIMAGEMASK);
    EXPECT_EQ((Calls{"RowCheckChanged 2 unchecked"}), window.Take());
    EXPECT_FALSE(window.list->RowOfItem(2)->checked);
}

TEST_F(TestWindowList, CheckingAndSelectingAtOnceReportsTheCheckFirst) {
    SetState(1, kChecked | LVIS_SELECTED, LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    EXPECT_EQ((Calls{"RowCheckChanged 1 checked", "RowSelected 1"}), window.Take());
}

TEST_F(TestWindowList, DoubleClickingARowSelectsItThenReportsTheDoubleClick) {
    EXPECT_TRUE(UserInput::DoubleClickRow(List(), 2));
    EXPECT_EQ((Calls{"RowSelected 2", "RowDoubleClicked"}), window.Take());
}

TEST_F(TestWindowList, SelectRowSelectsFocusesAndMarksTheRow) {
    window.list->SelectRow(2);
    EXPECT_EQ((Calls{"RowSelected 2"}), window.Take());
    EXPECT_EQ(kUnchecked | LVIS_SELECTED | LVIS_FOCUSED, StateOf(2));
    EXPECT_EQ(2, SendMessageW(List(), LVM_GETSELECTIONMARK, 0, 0));
}

TEST_F(TestWindowList, TheListShowsEachRowsCellsAndQuestionMarksBeyondThem) {
    ASSERT_EQ(3, SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(u"0", CellShown(0, 0));
    EXPECT_EQ(u"Flute", CellShown(0, 1));
    EXPECT_EQ(u"Clarinet in B\u266D", CellShown(2, 1));
    EXPECT_EQ(u"3", CellShown(2, 2));
    EXPECT_EQ(u"", CellShown(1, 4));
    EXPECT_EQ(u"???", CellShown(1, 5)) << "the sixth column, for rows of five cells";
}

TEST_F(TestWindowList, ACellLongerThanTheDisplayBufferIsShownCut) {
    std::u16string longText(600, u'x');
    const int32_t index = window.list->AddRow(MakeRow({u"3", longText}));
    ASSERT_EQ(3, index);
    const std::u16string shown = CellShown(index, 1);
    EXPECT_EQ(511u, shown.size());
    EXPECT_EQ(longText.substr(0, 511), shown);
}

TEST_F(TestWindowList, RowsAreAddedAfterTheOthersWithTheirCheckStateAndItemData) {
    NKDataListRow* row = MakeRow({u"3", u"Horn in F"});
    row->checked = true;
    EXPECT_EQ(3, window.list->AddRow(row));
    EXPECT_EQ(3, row->itemIndex);
    EXPECT_EQ(window.list, row->list);
    EXPECT_EQ(row, window.list->RowOfItem(3));
    EXPECT_EQ(kChecked, StateOf(3) & LVIS_STATEIMAGEMASK);
    EXPECT_EQ(kUnchecked, StateOf(0) & LVIS_STATEIMAGEMASK);
    EXPECT_EQ(4, window.list->rows.Count());
}

TEST_F(TestWindowList, ACheckReportedForAnItemWithoutARowChangesNothing) {
    window.list->RowCheckChanged(7, true);
    window.list->RowCheckChanged(-1, true);
    for (int item = 0; item < 3; ++item)
        EXPECT_FALSE(window.list->RowOfItem(item)->checked) << item;
    EXPECT_EQ(nullptr, window.list->RowOfItem(7));
}

TEST_F(TestWindowList, RemovingTheFirstRowDeletesItsItemAndItsRow) {
    NKDataListRow* second = window.list->RowOfItem(1);
    EXPECT_TRUE(window.list->RemoveFirstRow());
    EXPECT_EQ(2, SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(2, window.list->rows.Count());
    EXPECT_EQ(second, window.list->RowOfItem(0));
    EXPECT_EQ(u"Oboe", CellShown(0, 1));
}

TEST_F(TestWindowList, ReopeningTheDialogLeavesOnlyTheNewRows) {
    for (int cycle = 0; cycle < 3; ++cycle) {
        window.Cancel();
        ASSERT_EQ(nullptr, window.dialogHandle);
        EXPECT_EQ(3, window.list->rows.Count()) << "rows outlive their list view until reopening";
        ASSERT_TRUE(Open());
        EXPECT_EQ(3, window.list->rows.Count()) << "cycle " << cycle;
        EXPECT_EQ(3, SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(u"Oboe", CellShown(1, 1));
    }
}

TEST_F(TestWindowList, WithoutADialogTheListHasNoRowsToReport) {
    window.Cancel();
    EXPECT_EQ(nullptr, window.list->RowOfItem(0));
    EXPECT_FALSE(window.list->RemoveFirstRow());
    window.list->RemoveAllRows();
    EXPECT_EQ(0, window.list->rows.Count()) << "rows of a closed dialog's list are dropped";
}
