// The panel's list view: which selections and checks it reports to its dialog, in which
// order, when rows are added, selected, checked, clicked and removed, where it keeps the focus
// and the selection mark, and how it asks for the text it shows. Runs against the substitute
// natively and against Wine's comctl32 in the Windows build; the expected values are Wine's,
// measured. Of the many notifications the list view sends, the expectations keep those the
// panel acts on (ReliedMessages.h).
#include <gtest/gtest.h>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"
#include "tests/unit/substitute/ReliedMessages.h"

using probe::DialogProbe;
using relied::Lines;
using relied::Relied;

namespace {

// A reported state change, from the states Wine reports (state image 1 is unchecked, 2
// checked); a change of the focus alone is not reported to the panel.
std::string Changed(int row, UINT newState, UINT oldState) {
    return relied::ItemChanged(row, newState, oldState);
}

class ListView : public ::testing::Test {
protected:
    ListView() { panel.FillList(); }
    DialogProbe panel;
};

} // namespace

TEST_F(ListView, SelectingARowOfASingleSelectionListDeselectsAndUnfocusesTheFormerOne) {
    EXPECT_TRUE(panel.SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ((Lines{Changed(3, 0x1003, 0x1000)}), Relied(panel.log.Take()));
    EXPECT_EQ(3, panel.Mark()) << "the first focused row becomes the selection mark";

    panel.SetState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ((Lines{Changed(3, 0x1001, 0x1003), Changed(5, 0x1003, 0x1000)}),
              Relied(panel.log.Take()))
        << "the former row is deselected first";
    EXPECT_EQ(3, panel.Mark()) << "a later selection leaves the mark";
    EXPECT_EQ(5, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    EXPECT_EQ(5, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));

    panel.SetState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "no change, no report";
}

TEST_F(ListView, DeselectingEveryRowReportsOnlyTheRowThatWasSelected) {
    panel.SetState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    panel.log.Take();
    panel.SetState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ((Lines{Changed(5, 0x1001, 0x1003)}), Relied(panel.log.Take()));
    EXPECT_EQ(0x1001u, panel.StateOf(5)) << "the focus stays";
    EXPECT_EQ(5, panel.Mark());
}

TEST_F(ListView, TheStateImageChangesAloneOrTogetherWithTheSelection) {
    panel.SetState(2, 0x2000, LVIS_STATEIMAGEMASK);
    panel.SetState(4, 0x2000 | LVIS_SELECTED, LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    EXPECT_EQ((Lines{Changed(2, 0x2000, 0x1000), Changed(4, 0x2002, 0x1000)}),
              Relied(panel.log.Take()))
        << "one report for a check and a selection together";
    EXPECT_EQ(-1, panel.Mark()) << "selecting without the focus sets no mark";
}

TEST_F(ListView, FocusingARowWhileNoneHasTheFocusOrTheMarkSetsTheMark) {
    panel.SetState(6, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(6, panel.Mark());
    panel.SetState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(6, panel.Mark());
    EXPECT_EQ(2, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "the focus alone selects nothing";
    EXPECT_EQ(6, SendMessageW(panel.list, LVM_SETSELECTIONMARK, 0, 4)) << "the former mark";
    EXPECT_EQ(4, panel.Mark());
}

TEST_F(ListView, RowsInsertedWithStateReportItAndMoveTheMarkAndFocus) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    item.iItem = 0;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.lParam = 200;
    item.state = 0x2000 | LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_STATEIMAGEMASK | LVIS_SELECTED | LVIS_FOCUSED;
    EXPECT_EQ(0, SendMessageW(panel.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ((Lines{Changed(0, 0x2003, 0)}), Relied(panel.log.Take()));
    EXPECT_EQ(0, panel.Mark());

    item.mask = LVIF_PARAM;
    item.iItem = 0;
    item.lParam = 201;
    EXPECT_EQ(0, SendMessageW(panel.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(1, panel.Mark()) << "mark and focus move with their row";
    EXPECT_EQ(1, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    EXPECT_EQ(11, SendMessageW(panel.list, LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(ListView, DeletingTheFocusedRowPassesTheFocusToTheRowTakingItsPlace) {
    panel.SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    panel.log.Take();
    EXPECT_TRUE(SendMessageW(panel.list, LVM_DELETEITEM, 3, 0));
    EXPECT_EQ((Lines{Changed(3, 0x1000, 0x1003)}), Relied(panel.log.Take()))
        << "the deleted row is deselected";
    EXPECT_EQ(0x1001u, panel.StateOf(3)) << "the former row 4, silently focused";
    EXPECT_EQ(3, panel.Mark());

    SendMessageW(panel.list, LVM_SETSELECTIONMARK, 0, 5);
    EXPECT_TRUE(SendMessageW(panel.list, LVM_DELETEITEM, 1, 0));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(4, panel.Mark());
    EXPECT_EQ(2, SendMessageW(panel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    EXPECT_FALSE(SendMessageW(panel.list, LVM_DELETEITEM, 42, 0));
    EXPECT_FALSE(panel.SetState(42, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
}

// Unlike deleting one row, deleting them all deselects the selected row without a word.
TEST_F(ListView, DeletingAllRowsReportsNoDeselection) {
    panel.SetState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    panel.log.Take();
    EXPECT_TRUE(SendMessageW(panel.list, LVM_DELETEALLITEMS, 0, 0));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(0, SendMessageW(panel.list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(-1, panel.Mark());
}

TEST_F(ListView, AClickSelectsAndMarksTheRow) {
    EXPECT_TRUE(UserInput::ClickRow(panel.list, 2));
    EXPECT_EQ((Lines{Changed(2, 0x1003, 0x1000)}), Relied(panel.log.Take()));
    EXPECT_EQ(2, panel.Mark());

    SendMessageW(panel.list, LVM_SETSELECTIONMARK, 0, 7);
    EXPECT_TRUE(UserInput::ClickRow(panel.list, 5));
    EXPECT_EQ((Lines{Changed(2, 0x1001, 0x1003), Changed(5, 0x1003, 0x1000)}),
              Relied(panel.log.Take()));
    EXPECT_EQ(5, panel.Mark()) << "a click sets the mark whatever it was";
    EXPECT_FALSE(UserInput::ClickRow(panel.list, 9)) << "no such row";
}

TEST_F(ListView, AClickBelowTheRowsDeselectsButKeepsFocusAndMark) {
    UserInput::ClickRow(panel.list, 6);
    panel.log.Take();
    PostMessageW(panel.list, WM_LBUTTONUP, 0, MAKELPARAM(20, 180));
    SendMessageW(panel.list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 180));
    panel.Pump();
    EXPECT_EQ((Lines{Changed(6, 0x1001, 0x1003)}), Relied(panel.log.Take()));
    EXPECT_EQ(6, panel.Mark());
    EXPECT_EQ(0x1001u, panel.StateOf(6)) << "deselected, still focused";
}

TEST_F(ListView, AClickIntoTheInactiveDialogActivatesItBeforeSelecting) {
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    UserInput::ClickRow(panel.list, 1);
    EXPECT_EQ((Lines{Changed(1, 0x1003, 0x1000), "dlg WM_ACTIVATE 1"}), Relied(panel.log.Take()))
        << "the row is selected before the dialog is activated";
    EXPECT_EQ(panel.dialog, GetActiveWindow());

    // Clicking the selected row again changes nothing; clicking beside the rows activates
    // before deselecting.
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    UserInput::ClickRow(panel.list, 1);
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 1"}), Relied(panel.log.Take()));

    SetActiveWindow(panel.log.host);
    panel.log.Take();
    PostMessageW(panel.list, WM_LBUTTONUP, 0, MAKELPARAM(20, 150));
    SendMessageW(panel.list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 150));
    panel.Pump();
    EXPECT_EQ((Lines{"dlg WM_ACTIVATE 1", Changed(1, 0x1001, 0x1003)}), Relied(panel.log.Take()));
}

TEST_F(ListView, ADoubleClickSelectsTheRowThenReportsTheDoubleClick) {
    EXPECT_TRUE(UserInput::DoubleClickRow(panel.list, 7));
    EXPECT_EQ((Lines{Changed(7, 0x1003, 0x1000), "dlg NM_DBLCLK"}), Relied(panel.log.Take()));
    EXPECT_EQ(0x1003u, panel.StateOf(7));
}

TEST_F(ListView, ADisabledListIsBeyondTheUsersReach) {
    EnableWindow(panel.list, FALSE);
    panel.log.Take();
    EXPECT_FALSE(UserInput::ClickRow(panel.list, 1));
    EXPECT_FALSE(UserInput::DoubleClickRow(panel.list, 1));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
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
    EXPECT_TRUE(Relied(panel.log.Take()).empty()) << "reading changes nothing";
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
