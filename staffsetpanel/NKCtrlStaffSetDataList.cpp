#include "staffsetpanel/NKCtrlStaffSetDataList.h"

#include "framework/core/NKString.h"
#include "staffsetpanel/NKStaffSetPanelWindow.h"
#include "staffsetpanel/StaffSetOverview.h"
#include "staffsetpanel/StaffSetQueries.h"

namespace {

enum Cell { kCellSlot, kCellName, kCellStaves, kCellTop, kCellBottom, kCellCount };

struct Column {
    const char* title;
    int32_t width;
};
constexpr Column kColumns[kCellCount] = {
    {"#", 40}, {"Name", 110}, {"Staves", 50}, {"Top", 80}, {"Bottom", 80}};

NKString* Cell(NKDataListRow* row, Cell cell) {
    return static_cast<NKString*>(row->GetItemAt(cell));
}

void SetCount(NKDataListRow* row, int32_t count, bool dashForNone) {
    row->UserData = count;
    if (dashForNone && count < 1)
        Cell(row, kCellStaves)->AssignNarrow("-");
    else
        Cell(row, kCellStaves)->AssignNumber(count);
}

void ShowSummary(NKDataListRow* row, const StaffSetSummary& summary) {
    Cell(row, kCellName)->Assign(&summary.name);
    Cell(row, kCellTop)->Assign(&summary.top);
    Cell(row, kCellBottom)->Assign(&summary.bottom);
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
    for (const Column& column : kColumns) {
        NKString title(column.title);
        AddColumn(&title, column.width);
    }
}

void NKCtrlStaffSetDataList::Fill() {
    RemoveAllRows();
    StaffSetOverview overview;
    overview.Read();
    for (int32_t set = 0; set < kStaffSetRows; ++set) {
        auto* row = new NKDataListRow();
        for (int cell = 0; cell < kCellCount; ++cell)
            row->Add(new NKString(""));
        if (set == 0) {
            Cell(row, kCellSlot)->AssignNarrow("-");
            Cell(row, kCellName)->AssignNarrow("All Staves");
        } else {
            Cell(row, kCellSlot)->AssignNumber(set);
            ShowSummary(row, overview.Row(set));
        }
        SetCount(row, overview.Row(set).count, set >= 1);
        AddRow(row);
    }
}

void NKCtrlStaffSetDataList::RefreshRows(const StaffListEnds* lists) {
    StaffSetOverview overview;
    if (lists)
        overview.Describe(lists);
    else
        overview.Read();
    for (int32_t set = 0; set < kStaffSetRows; ++set) {
        NKDataListRow* row = RowOfItem(set);
        if (!row)
            continue;
        if (set >= 1)
            ShowSummary(row, overview.Row(set));
        // Row 0 shows its count as a number also when the score has no staves, as it did
        // when the list was filled.
        SetCount(row, overview.Row(set).count, set >= 1);
    }
}

void NKCtrlStaffSetDataList::RefreshRowTexts(int32_t set) {
    NKDataListRow* row = RowOfItem(set);
    if (!row || set < 1 || set >= kStaffSetRows)
        return;
    StaffSetOverview overview;
    overview.ReadRow(set);
    ShowSummary(row, overview.Row(set));
}

bool NKCtrlStaffSetDataList::CountsMatchDocument(StaffListEnds lists[kOverviewRows]) {
    StaffSetOverview::ReadLists(lists);
    for (int32_t set = 0; set < kStaffSetRows; ++set) {
        NKDataListRow* row = RowOfItem(set);
        if (row && row->UserData != lists[set].count)
            return false;
    }
    return true;
}

void NKCtrlStaffSetDataList::RedrawRows() {
    SendMessageW(ItemHandle(), LVM_REDRAWITEMS, 0, 1000);
}

int32_t NKCtrlStaffSetDataList::SelectionMark() {
    return static_cast<int32_t>(SendMessageW(ItemHandle(), LVM_GETSELECTIONMARK, 0, 0));
}
