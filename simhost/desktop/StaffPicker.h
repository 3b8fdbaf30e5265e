// The score's staves in score order, in a list box of the host's main window, where a person
// selects staves as in a score: a click selects one staff, Shift+click extends the selection
// to another. The selection is the host's region: the slots from the first selected to the
// last, over the measures the host selects with them; a selection with gaps (Ctrl+click) is
// closed to that range, as a region has none. Windows only.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "simhost/documents/SimDocument.h"

class StaffPicker {
public:
    // Every row is this many pixels high whatever the font, so that a row's place on the
    // screen follows from the first one's.
    static constexpr int kRowHeight = 20;

    // A child of parent with this control id, in this rectangle of its client area; it sends
    // LBN_SELCHANGE to the parent when a person changes the selection.
    StaffPicker(HWND parent, int controlId, const RECT& place);
    StaffPicker(const StaffPicker&) = delete;
    StaffPicker& operator=(const StaffPicker&) = delete;

    HWND Handle() const { return list_; }

    // Lists the document's staves and selects its region.
    void Show(const SimDocument& document, uint32_t hostVersion);
    // The list's selection becomes the document's region; none clears it.
    void TakeSelection(SimDocument& document);
    // The centre of the first staff's row on the screen, scrolled to the top.
    POINT FirstRowCentre() const;

private:
    void SelectSlots(int first, int last);

    HWND list_;
};
