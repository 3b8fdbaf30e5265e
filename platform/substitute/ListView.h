// The "SysListView32" class in report view: columns, rows with item data and text (or text
// asked of the parent), row states, the selection mark, and mouse clicks.
//
// The notifications to the parent (WM_NOTIFY) follow Wine's comctl32, measured there:
//  - a state change sends LVN_ITEMCHANGING with the old and the would-be state, always (also
//    when nothing changes, and then nothing more), and LVN_ITEMCHANGED when something changed;
//    uChanged is LVIF_STATE and lParam the row's item data. Between the two come the changes
//    it causes: selecting a row of a single-selection list deselects every other selected
//    row, and moving the focus takes it from the row that had it, even when that is the same
//    row (each a complete CHANGING/CHANGED pair of its own);
//  - giving a row the focus while no row has it and there is no selection mark sets the mark;
//  - LVM_INSERTITEMW sends LVN_INSERTITEM, preceded by a CHANGING (with item data 0) and
//    CHANGED pair when the new row comes with state bits;
//  - LVM_DELETEITEM clears the row's selection and focus (a CHANGING, and a CHANGED if that
//    changed anything), sends LVN_DELETEITEM, and hands the focus silently to the row that
//    takes the deleted row's place; LVM_DELETEALLITEMS sends LVN_DELETEALLITEMS and, unless
//    the parent answers TRUE, LVN_DELETEITEM for every row from the last to the first;
//  - a click (WM_LBUTTONDOWN) sends NM_RELEASEDCAPTURE, takes the focus, selects and
//    focuses the row under the mouse (after deselecting the others) and makes it the
//    selection mark, or deselects all when no row is hit; the WM_LBUTTONUP that follows sends
//    NM_CLICK; WM_LBUTTONDBLCLK sends NM_RELEASEDCAPTURE, NM_DBLCLK and, on a row,
//    LVN_ITEMACTIVATE, and changes no state;
//  - the display path: text that is LPSTR_TEXTCALLBACKW, and every subitem's text, is asked
//    of the parent with LVN_GETDISPINFOW (mask LVIF_TEXT, the caller's buffer and size) each
//    time it is read; the parent may write into the buffer or point pszText at its own text,
//    which is then copied. Windows asks again whenever it repaints; nothing is painted here.
// Geometry (measured with the panel's template font): a 16-pixel header and rows 13 pixels
// high from the top of the client area; a row's bounds run across all columns, its label
// across column 0 from x = 2. The list never scrolls.
#pragma once

#include "platform/win32.h"

namespace substitute {

LRESULT CALLBACK ListViewProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace substitute
