// The panel's list: row 0 for all staves of the score, rows 1 to 8 for the staff set slots,
// each showing the slot, the set's name, its stave count and its top and bottom staff.
// Row i shows set i; each row's UserData holds the stave count its "Staves" cell shows,
// which is how the list notices that the document changed under it.
#pragma once

#include "framework/ui/NKCtrlDataList.h"
#include "staffsetpanel/StaffSetOverview.h"

class NKStaffSetPanelWindow;

constexpr int16_t kStaffSetListId = 101;
constexpr int32_t kStaffSetRows = 9; // row 0 for all staves, then the sets 1 to 8

class NKCtrlStaffSetDataList : public NKCtrlDataList {
public:
    explicit NKCtrlStaffSetDataList(NKStaffSetPanelWindow* panel);

    // A selected row updates the panel's buttons; a double click switches the view to it.
    void RowSelected(int32_t item) override;
    void RowDoubleClicked() override;

    // The five columns, in order.
    void AddColumns();
    // Empties the list and builds the nine rows afresh.
    void Fill();
    // Updates every row's texts and counts in place (row 0 keeps its name, top and bottom),
    // from the lists given, read a moment ago, or else read now.
    void RefreshRows(const StaffListEnds* lists = nullptr);
    // Updates the name, top and bottom of one set's row; its count stays as it was.
    void RefreshRowTexts(int32_t set);
    // True while every row's stave count matches the document. Reads only the staff lists,
    // which it leaves in lists for a refresh that follows at once.
    bool CountsMatchDocument(StaffListEnds lists[kOverviewRows]);
    // Asks the list view to draw every row again.
    void RedrawRows();
    // The list's selection mark: -1 for no row, else the row (and set) number.
    int32_t SelectionMark();

private:
    NKStaffSetPanelWindow* panel_;
};
