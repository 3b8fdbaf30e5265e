// A report-style list view whose lines are NKDataListRow objects. The list owns its rows;
// each list item carries its row as item data and asks for its cell texts when it draws,
// so the rows are the only copy of what the list shows.
#pragma once

#include "framework/core/NKCollection.h"
#include "framework/ui/NKControl.h"
#include "framework/ui/NKDataListRow.h"

class NKCtrlDataList : public NKControl {
public:
    // An item's check box lives in its state-image bits (LVIS_STATEIMAGEMASK): image 1 is
    // the unchecked box, image 2 the checked one.
    static constexpr UINT kUncheckedStateImage = 0x1000;
    static constexpr UINT kCheckedStateImage = 0x2000;

    using NKControl::NKControl;
    const char* ClassName() const override { return "NKCtrlDataList"; }
    int32_t ControlType() const override { return kControlTypeDataList; }

    // Called by the window's dispatch of the list's notifications; nothing here.
    virtual void RowSelected(int32_t) {}
    virtual void RowDeselected(int32_t) {}
    // Stores the check state the list view reports in the item's row.
    virtual void RowCheckChanged(int32_t item, bool checked);
    virtual void RowDoubleClicked() {}

    // A left-aligned column after the existing ones; false when the list refuses it.
    bool AddColumn(const NKString* title, int32_t width);
    // Appends an item for the row, whose texts the list asks for when it draws. The list
    // takes the row whatever happens; the result is the item index, negative on failure.
    int32_t AddRow(NKDataListRow* row);
    // Deletes list item 0 and its row; false when the list kept the item.
    bool RemoveFirstRow();
    // Empties the list view, and drops rows whose items went with an earlier dialog.
    void RemoveAllRows();
    // Selects and focuses the item, makes it the selection mark and scrolls it into view.
    void SelectRow(int32_t index);
    // The row that list item shows, or null.
    NKDataListRow* RowOfItem(int32_t index);

    // One list-view message each. Before the dialog exists they go to no window and answer 0.
    // The selection mark: the item a shift-click extends the selection from; -1 for none.
    int32_t SelectionMark();
    // Returns the mark it replaces.
    int32_t SetSelectionMark(int32_t index);
    // Sets the bits of stateMask in the item's state to those of state.
    bool SetItemState(int32_t index, UINT state, UINT stateMask);
    // Scrolls the item fully into view.
    bool EnsureVisible(int32_t index);
    // Asks the list view to draw the items first to last again; items past the end are none.
    bool RedrawItems(int32_t first, int32_t last);
    // The LVS_EX_ style bits.
    DWORD ExtendedStyle();
    // Replaces every LVS_EX_ style bit; returns the style it replaces.
    DWORD SetExtendedStyle(DWORD style);

    // A cell's text for the list's display requests: valid until the next request, cut to
    // the display buffer; "???" for a cell the row does not have.
    static const char16_t* CellText(const NKDataListRow* row, int32_t cell);

    __NKCollection rows;

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);
};
