// The keyboard as dialogs take it: the thread's keyboard state, characters made from key
// messages, and the dialog manager (IsDialogMessageW) with the dialog's default processing
// of its keyboard messages. Measured under Wine 8, whose user32 it follows step by step.
#pragma once

#include "platform/win32.h"

namespace substitute {

// The dialog's default processing of WM_NEXTDLGCTL, DM_GETDEFID and DM_SETDEFID: true, with
// the result, for these messages; false for any other.
bool DialogKeyProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Gives a dialog's control the focus as the dialog does: a control that keeps a selection
// (an edit field) first gets all its text selected.
void FocusDialogControl(HWND control);

} // namespace substitute
