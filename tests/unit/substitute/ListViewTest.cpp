// The panel's list view: what it tells its dialog, in which order and with which contents,
// when rows are added, selected, checked, clicked and removed, and how it asks for the text
// it shows. Runs against the substitute natively and against Wine's comctl32 in the Windows
// build; the expected notifications are Wine's, measured.
#include <gtest/gtest.h>

#include <cstdio>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"

using probe::DialogProbe;
using Lines = std::vector<std::string>;

namespace {

std::string Change(const char* code, int row, UINT newState, UINT oldState, long data = -1) {
    char line[120];
    std::snprintf(line, sizeof line, "dlg WM_NOTIFY %s %d lParam %ld new %x old %x changed 8", code,
                  row, data == -1 ? 100L + row : data, newState, oldState);
    return line;
}
std::string Changing(int row, UINT newState, UINT oldState, long data = -1) {
    return Change("LVN_ITEMCHANGING", row, newState, oldState, data);
}
std::string Changed(int row, UINT newState, UINT oldState, long data = -1) {
    return Change("LVN_ITEMCHANGED", row, newState, oldState, data);
}

class ListView : public ::testing::Test {
protected:
    ListView() { panel.FillList(); }
    DialogProbe panel;
};

} // namespace

TEST_F(ListView, SelectingARowOfASingleSelectionListDeselectsAndUnfocusesTheFormerOne) {
    EXPECT_TRUE(panel.SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ((Lines{Changing(3, 0x1003, 0x1000), Changed(3, 0x1003, 0x1000)}), panel.log.Take());
    EXPECT_EQ(3, panel.Mark()) << "the first focused row becomes the selection mark";

    panel.SetState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ((Lines{Changing(5, 0x1003, 0x1000), Changing(3, 0x1001, 0x1003),
                     Changed(3, 0x1001, 0x1003), Changing(3, 0x1000, 0x1001),
                     Changed(3, 0x1000, 0x1001), Changed(5, 0x1003, 0x1000)}),
              panel.log.Take());
    EXPECT_EQ(3, panel.Mark()) << "a later selection leaves the mark";
    EXPECT_EQ(5, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    EXPECT_EQ(5, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));

    panel.SetState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ((Lines{Changing(5, 0x1003, 0x1003)}), panel.log.Take()) << "no change, no CHANGED";
}

TEST_F(ListView, DeselectingEveryRowAsksAboutEachAndReportsOnlyTheChangedOne) {
    panel.SetState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    panel.log.Take();
    panel.SetState(-1, 0, LVIS_SELECTED);
    Lines expected;
    for (int row = 0; row < 9; ++row) {
        const UINT state = row == 5 ? 0x1003 : 0x1000;
        expected.push_back(Changing(row, state & ~LVIS_SELECTED, state));
        if (row == 5)
            expected.push_back(Changed(row, 0x1001, 0x1003));
    }
    EXPECT_EQ(expected, panel.log.Take());
    EXPECT_EQ(0x1001u, panel.StateOf(5)) << "the focus stays";
    EXPECT_EQ(5, panel.Mark());
}

TEST_F(ListView, TheStateImageChangesAloneOrTogetherWithTheSelection) {
    panel.SetState(2, 0x2000, LVIS_STATEIMAGEMASK);
    panel.SetState(4, 0x2000 | LVIS_SELECTED, LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    EXPECT_EQ((Lines{Changing(2, 0x2000, 0x1000), Changed(2, 0x2000, 0x1000),
                     Changing(4, 0x2002, 0x1000), Changed(4, 0x2002, 0x1000)}),
              panel.log.Take());
    EXPECT_EQ(-1, panel.Mark()) << "selecting without the focus sets no mark";
}

TEST_F(ListView, FocusingARowWhileNoneHasTheFocusOrTheMarkSetsTheMark) {
    panel.SetState(6, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(6, panel.Mark());
    panel.SetState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(6, panel.Mark());
    EXPECT_EQ((Lines{Changing(6, 0x1001, 0x1000), Changed(6, 0x1001, 0x1000),
                     Changing(2, 0x1001, 0x1000), Changing(6, 0x1000, 0x1001),
                     Changed(6, 0x1000, 0x1001), Changed(2, 0x1001, 0x1000)}),
              panel.log.Take());
    EXPECT_EQ(6, SendMessageW(panel.list, LVM_SETSELECTIONMARK, 0, 4)) << "the former mark";
    EXPECT_EQ(4, panel.Mark());
}

TEST_F(ListView, RowsInsertedWithStateReportTheChangeBeforeTheInsertion) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    item.iItem = 0;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.lParam = 200;
    item.state = 0x2000 | LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_STATEIMAGEMASK | LVIS_SELECTED | LVIS_FOCUSED;
    EXPECT_EQ(0, SendMessageW(panel.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ((Lines{Changing(0, 0x2003, 0, 0), Changed(0, 0x2003, 0, 200),
                     "dlg WM_NOTIFY LVN_INSERTITEM 0 lParam 200"}),
              panel.log.Take());
    EXPECT_EQ(0, panel.Mark());

    item.mask = LVIF_PARAM;
    item.iItem = 0;
    item.lParam = 201;
    EXPECT_EQ(0, SendMessageW(panel.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ((Lines{"dlg WM_NOTIFY LVN_INSERTITEM 0 lParam 201"}), panel.log.Take());
    EXPECT_EQ(1, panel.Mark()) << "mark and focus move with their row";
    EXPECT_EQ(1, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    EXPECT_EQ(11, SendMessageW(panel.list, LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(ListView, DeletingTheFocusedRowPassesTheFocusToTheRowTakingItsPlace) {
    panel.SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    panel.log.Take();
    EXPECT_TRUE(SendMessageW(panel.list, LVM_DELETEITEM, 3, 0));
    EXPECT_EQ((Lines{Changing(3, 0x1000, 0x1003), Changed(3, 0x1000, 0x1003),
                     "dlg WM_NOTIFY LVN_DELETEITEM 3 lParam 103"}),
              panel.log.Take());
    EXPECT_EQ(0x1001u, panel.StateOf(3)) << "the former row 4, silently focused";
    EXPECT_EQ(3, panel.Mark());

    SendMessageW(panel.list, LVM_SETSELECTIONMARK, 0, 5);
    EXPECT_TRUE(SendMessageW(panel.list, LVM_DELETEITEM, 1, 0));
    EXPECT_EQ((Lines{Changing(1, 0x1000, 0x1000), "dlg WM_NOTIFY LVN_DELETEITEM 1 lParam 101"}),
              panel.log.Take());
    EXPECT_EQ(4, panel.Mark());
    EXPECT_EQ(2, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    EXPECT_FALSE(SendMessageW(panel.list, LVM_DELETEITEM, 42, 0));
    EXPECT_FALSE(panel.SetState(42, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(panel.log.Take().empty());
}

TEST_F(ListView, DeletingAllRowsAnnouncesItThenEachRowFromTheLast) {
    panel.SetState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    panel.log.Take();
    EXPECT_TRUE(SendMessageW(panel.list, LVM_DELETEALLITEMS, 0, 0));
    Lines expected{"dlg WM_NOTIFY LVN_DELETEALLITEMS -1"};
    for (int row = 8; row >= 0; --row)
        expected.push_back("dlg WM_NOTIFY LVN_DELETEITEM " + std::to_string(row) + " lParam " +
                           std::to_string(100 + row));
    EXPECT_EQ(expected, panel.log.Take());
    EXPECT_EQ(0, SendMessageW(panel.list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(-1, panel.Mark());
}

TEST_F(ListView, AClickSelectsAndMarksTheRowAndReportsWhereItHit) {
    EXPECT_TRUE(UserInput::ClickRow(panel.list, 2));
    EXPECT_EQ(
        (Lines{"dlg WM_NOTIFY NM_RELEASEDCAPTURE", Changing(2, 0x1003, 0x1000),
               Changed(2, 0x1003, 0x1000), "dlg WM_NOTIFY NM_CLICK 2 lParam 102 sub 0 at 21,48"}),
        panel.log.Take());
    EXPECT_EQ(2, panel.Mark());

    SendMessageW(panel.list, LVM_SETSELECTIONMARK, 0, 7);
    EXPECT_TRUE(UserInput::ClickRow(panel.list, 5));
    EXPECT_EQ(
        (Lines{"dlg WM_NOTIFY NM_RELEASEDCAPTURE", Changing(2, 0x1001, 0x1003),
               Changed(2, 0x1001, 0x1003), Changing(5, 0x1003, 0x1000), Changing(2, 0x1000, 0x1001),
               Changed(2, 0x1000, 0x1001), Changed(5, 0x1003, 0x1000),
               "dlg WM_NOTIFY NM_CLICK 5 lParam 105 sub 0 at 21,87"}),
        panel.log.Take());
    EXPECT_EQ(5, panel.Mark()) << "a click sets the mark whatever it was";
    EXPECT_FALSE(UserInput::ClickRow(panel.list, 9)) << "no such row";
}

TEST_F(ListView, AClickBelowTheRowsDeselectsButKeepsFocusAndMark) {
    UserInput::ClickRow(panel.list, 6);
    panel.log.Take();
    PostMessageW(panel.list, WM_LBUTTONUP, 0, MAKELPARAM(20, 180));
    SendMessageW(panel.list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 180));
    panel.Pump();
    EXPECT_EQ(
        (Lines{"dlg WM_NOTIFY NM_RELEASEDCAPTURE", Changing(6, 0x1001, 0x1003),
               Changed(6, 0x1001, 0x1003), "dlg WM_NOTIFY NM_CLICK -1 lParam 0 sub 0 at 20,180"}),
        panel.log.Take());
    EXPECT_EQ(6, panel.Mark());
}

TEST_F(ListView, AClickIntoTheInactiveDialogActivatesItBeforeSelecting) {
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    UserInput::ClickRow(panel.list, 1);
    const Lines activation{"host WM_NCACTIVATE 0",      "host WM_ACTIVATE 0 dlg",
                           "dlg WM_NCACTIVATE 1",       "dlg WM_ACTIVATE 1 host",
                           "host WM_KILLFOCUS item101", "dlg WM_NOTIFY NM_SETFOCUS"};
    Lines expected{"dlg WM_NOTIFY NM_RELEASEDCAPTURE", Changing(1, 0x1003, 0x1000),
                   Changed(1, 0x1003, 0x1000)};
    expected.insert(expected.end(), activation.begin(), activation.end());
    expected.push_back("dlg WM_NOTIFY NM_CLICK 1 lParam 101 sub 0 at 21,35");
    EXPECT_EQ(expected, panel.log.Take()) << "the row is selected before the list has the focus";
    EXPECT_EQ(panel.dialog, GetActiveWindow());

    // Clicking the selected row again changes nothing; clicking beside the rows takes the
    // focus before deselecting.
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    UserInput::ClickRow(panel.list, 1);
    expected = {"dlg WM_NOTIFY NM_RELEASEDCAPTURE"};
    expected.insert(expected.end(), activation.begin(), activation.end());
    expected.push_back("dlg WM_NOTIFY NM_CLICK 1 lParam 101 sub 0 at 21,35");
    EXPECT_EQ(expected, panel.log.Take());

    SetActiveWindow(panel.log.host);
    panel.log.Take();
    PostMessageW(panel.list, WM_LBUTTONUP, 0, MAKELPARAM(20, 150));
    SendMessageW(panel.list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 150));
    panel.Pump();
    expected = {"dlg WM_NOTIFY NM_RELEASEDCAPTURE"};
    expected.insert(expected.end(), activation.begin(), activation.end());
    expected.insert(expected.end(), {Changing(1, 0x1001, 0x1003), Changed(1, 0x1001, 0x1003),
                                     "dlg WM_NOTIFY NM_CLICK -1 lParam 0 sub 0 at 20,150"});
    EXPECT_EQ(expected, panel.log.Take());
}

TEST_F(ListView, ADoubleClickReportsTheRowAndActivatesItWithoutChangingItsState) {
    EXPECT_TRUE(UserInput::DoubleClickRow(panel.list, 7));
    EXPECT_EQ(
        (Lines{"dlg WM_NOTIFY NM_RELEASEDCAPTURE", Changing(7, 0x1003, 0x1000),
               Changed(7, 0x1003, 0x1000), "dlg WM_NOTIFY NM_CLICK 7 lParam 107 sub 0 at 21,113",
               "dlg WM_NOTIFY NM_RELEASEDCAPTURE",
               "dlg WM_NOTIFY NM_DBLCLK 7 lParam 107 sub 0 at 21,113",
               "dlg WM_NOTIFY LVN_ITEMACTIVATE 7 lParam 107 sub 0 at 21,113 new 1023 old "
               "1003 changed 8"}),
        panel.log.Take());
    EXPECT_EQ(0x1003u, panel.StateOf(7));
}

TEST_F(ListView, ADisabledListIsBeyondTheUsersReach) {
    EnableWindow(panel.list, FALSE);
    panel.log.Take();
    EXPECT_FALSE(UserInput::ClickRow(panel.list, 1));
    EXPECT_FALSE(UserInput::DoubleClickRow(panel.list, 1));
    EXPECT_TRUE(panel.log.Take().empty());
    EXPECT_EQ(0x1000u, panel.StateOf(1));
}

TEST_F(ListView, RowsLieBelowTheHeaderAcrossAllColumns) {
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(SendMessageW(panel.list, LVM_GETITEMRECT, 8, reinterpret_cast<LPARAM>(&bounds)));
    EXPECT_EQ("0,120 360x13", probe::Describe(bounds));
    RECT label{LVIR_LABEL, 0, 0, 0};
    ASSERT_TRUE(SendMessageW(panel.list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&label)));
    EXPECT_EQ("2,29 38x13", probe::Describe(label));
    RECT none{LVIR_BOUNDS, 0, 0, 0};
    EXPECT_FALSE(SendMessageW(panel.list, LVM_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&none)));
}

TEST_F(ListView, TextIsAskedOfTheDialogInTheCallersBuffer) {
    WCHAR buffer[64] = {};
    LVITEMW item{};
    item.iSubItem = 2;
    item.pszText = buffer;
    item.cchTextMax = 64;
    EXPECT_EQ(4, SendMessageW(panel.list, LVM_GETITEMTEXTW, 4, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(u"r4c2", std::u16string(reinterpret_cast<const char16_t*>(buffer)));
    EXPECT_EQ((Lines{"4 2 64 mask 1"}), panel.log.displayRequests);

    panel.log.displayRequests.clear();
    LVITEMW full{};
    full.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    full.iItem = 4;
    full.stateMask = 0xFFFF;
    full.pszText = buffer;
    full.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(panel.list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&full)));
    EXPECT_EQ(u"r4c0", std::u16string(reinterpret_cast<const char16_t*>(buffer)));
    EXPECT_EQ(104, full.lParam);
    EXPECT_EQ(0x1000u, full.state);
    EXPECT_EQ((Lines{"4 0 64 mask 1"}), panel.log.displayRequests);
    EXPECT_TRUE(panel.log.Take().empty()) << "reading changes nothing";
}

TEST_F(ListView, TextTheDialogPointsToIsCopiedAndCutToTheBuffer) {
    probe::CurrentDisplayAnswer() = probe::DisplayAnswer::OwnText;
    WCHAR buffer[4] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = buffer;
    item.cchTextMax = 4;
    EXPECT_EQ(3, SendMessageW(panel.list, LVM_GETITEMTEXTW, 6, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(u"r6c", std::u16string(reinterpret_cast<const char16_t*>(buffer)));
    EXPECT_EQ(buffer, item.pszText);

    CHAR narrow[16] = {};
    LVITEMA asNarrow{};
    asNarrow.mask = LVIF_TEXT;
    asNarrow.iItem = 6;
    asNarrow.pszText = narrow;
    asNarrow.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(panel.list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&asNarrow)));
    EXPECT_STREQ("r6c0", narrow);
}

TEST_F(ListView, ColumnsKeepWhatTheyWereGiven) {
    WCHAR title[16] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = title;
    column.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(panel.list, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(u"Name", std::u16string(reinterpret_cast<const char16_t*>(title)));
    EXPECT_EQ(110, column.cx);
    EXPECT_EQ(0, column.iSubItem);
    EXPECT_EQ(static_cast<LRESULT>(LVS_EX_FULLROWSELECT),
              SendMessageW(panel.list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_FALSE(SendMessageW(panel.list, LVM_GETCOLUMNW, 5, reinterpret_cast<LPARAM>(&column)));
}
