// Dialog windows (class "#32770"): building one from a module's template, and the default
// processing that follows the dialog procedure.
#pragma once

#include "platform/win32.h"

namespace substitute {

// The window procedure of every dialog. The dialog procedure sees each message first; what
// it leaves (answers FALSE to) gets the default processing: WM_CLOSE posts
// WM_COMMAND IDCANCEL with the Cancel button's handle (posted, and even when that button is
// disabled: measured under Wine), activation saves and restores the focused control,
// and the focus entering the dialog goes on to that control or the first tab stop.
LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace substitute
