#include "staffsetpanel/NKCtrlStaffSetDataList.h"

#include "framework/core/NKString.h"
#include "staffsetpanel/NKStaffSetPanelWindow.h"

namespace {

enum Column { kSlotColumn, kNameColumn, kStavesColumn, kTopColumn, kBottomColumn, kColumnCount };

struct ColumnHeading {
    const char* title;
    int32_t width;
};
// Widths in pixels at 96 dots per inch; the list view does not scale them with its font.
constexpr ColumnHeading kHeadings[kColumnCount] = {
    {"#", 40}, {"Name", 110}, {"Staves", 50}, {"Top", 80}, {"Bottom", 80}};

NKString* Cell(NKDataListRow* row, Column column) {
    return static_cast<NKString*>(row->GetItemAt(column));
}

// How a row shows a count below 1: a set row shows "-"; the all-staves row shows its count
// as a number also when the score has no staves.
enum class NoStaves { kDash, kNumber };

NoStaves NoStavesShownIn(int32_t row) {
    return row == kAllStavesRow ? NoStaves::kNumber : NoStaves::kDash;
}

void SetCount(NKDataListRow* row, int32_t count, NoStaves none) {
    row->UserData = count;
    if (none == NoStaves::kDash && count < 1)
        Cell(row, kStavesColumn)->AssignNarrow("-");
    else
        Cell(row, kStavesColumn)->AssignNumber(count);
}

void ShowSummary(NKDataListRow* row, const StaffSetSummary& summary) {
    Cell(row, kNameColumn)->Assign(&summary.name);
    Cell(row, kTopColumn)->Assign(&summary.top);
    Cell(row, kBottomColumn)->Assign(&summary.bottom);
}

} // namespace

NKCtrlStaffSetDataList::NKCtrlStaffSetDataList(NKStaffSetPanelWindow* panel)
    : NKCtrlDataList(kStaffSetListId), panel_(panel) {}

void NKCtrlStaffSetDataList::RowSelected(int32_t item) {
    panel_->UpdateControls(item);
}

void NKCtrlStaffSetDataList::RowDoubleClicked() {
    panel_->SwitchToSelection();
}

void NKCtrlStaffSetDataList::AddColumns() {
    for (const ColumnHeading& heading : kHeadings) {
        NKString title(heading.title);
        AddColumn(&title, panel_->ScaledWidth(heading.width));
    }
}

void NKCtrlStaffSetDataList::Fill(const ListEndsOfRows& lists) {
    RemoveAllRows();
    StaffSetOverview overview;
    overview.Describe(lists);
    for (int32_t index = 0; index < kStaffSetRows; ++index) {
        auto* row = new NKDataListRow();
        for (int column = 0; column < kColumnCount; ++column)
            row->Add(new NKString(""));
        if (index == kAllStavesRow) {
            Cell(row, kSlotColumn)->AssignNarrow("-");
            Cell(row, kNameColumn)->AssignNarrow("All Staves");
        } else {
            Cell(row, kSlotColumn)->AssignNumber(index);
            ShowSummary(row, overview.Row(index));
        }
        SetCount(row, overview.Row(index).count, NoStavesShownIn(index));
        AddRow(row);
    }
}

void NKCtrlStaffSetDataList::RefreshRows(const ListEndsOfRows& lists) {
    StaffSetOverview overview;
    overview.Describe(lists);
    for (int32_t index = 0; index < kStaffSetRows; ++index) {
        NKDataListRow* row = RowOfItem(index);
        if (!row)
            continue;
        if (index != kAllStavesRow)
            ShowSummary(row, overview.Row(index));
        SetCount(row, overview.Row(index).count, NoStavesShownIn(index));
    }
}

void NKCtrlStaffSetDataList::RefreshRowTexts(int32_t set) {
    NKDataListRow* row = IsStaffSetSlot(set) ? RowOfItem(ListRowOfSet(set)) : nullptr;
    if (!row)
        return;
    StaffSetOverview overview;
    overview.ReadRow(set);
    ShowSummary(row, overview.Row(ListRowOfSet(set)));
}

bool NKCtrlStaffSetDataList::CountsMatch(const ListEndsOfRows& lists) {
    for (int32_t index = 0; index < kStaffSetRows; ++index) {
        NKDataListRow* row = RowOfItem(index);
        if (row && row->UserData != lists[index].count)
            return false;
    }
    return true;
}

void NKCtrlStaffSetDataList::RedrawRows() {
    RedrawItems(kAllStavesRow, kStaffSetRows - 1);
}
