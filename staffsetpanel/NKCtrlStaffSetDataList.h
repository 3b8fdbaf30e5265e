// The panel's list: row 0 for all staves of the score, then one row for each staff set slot,
// each showing the slot, the set's name, its stave count and its top and bottom staff.
// Each row's UserData holds the stave count its "Staves" cell shows, which is how the list
// notices that the document changed under it. The list reads no staff list itself: the
// panel reads them and hands the reading in.
#pragma once

#include "framework/ui/NKCtrlDataList.h"
#include "staffsetpanel/StaffSetOverview.h"
#include "staffsetpanel/StaffSetSlots.h"

class NKStaffSetPanelWindow;

constexpr int16_t kStaffSetListId = 101;

class NKCtrlStaffSetDataList : public NKCtrlDataList {
public:
    explicit NKCtrlStaffSetDataList(NKStaffSetPanelWindow* panel);

    // A selected row updates the panel's buttons; a double click switches the view to it.
    void RowSelected(int32_t item) override;
    void RowDoubleClicked() override;

    // The five columns, in order.
    void AddColumns();
    // Empties the list and builds its rows afresh from the lists given.
    void Fill(const ListEndsOfRows& lists);
    // Updates every row's texts and counts in place from the lists given (row 0 keeps its
    // name, top and bottom).
    void RefreshRows(const ListEndsOfRows& lists);
    // Updates the name, top and bottom of one set's row; its count stays as it was.
    void RefreshRowTexts(int32_t set);
    // True while every row's stave count is the count of its list in lists.
    bool CountsMatch(const ListEndsOfRows& lists);
    // Asks the list view to draw every row again.
    void RedrawRows();

private:
    NKStaffSetPanelWindow* panel_;
};
