// The "Edit" class: a single-line field of UTF-16 text with a selection.
//
// Every change of the text, by WM_SETTEXT, typing (WM_CHAR) or EM_REPLACESEL, tells the parent
// EN_UPDATE and then EN_CHANGE through WM_COMMAND (measured under Wine, once per typed
// character). Typing replaces the selection; a backspace removes it or the unit before the
// caret; other control characters, Tab and DEL among them, are ignored, as by Windows'
// single-line field. Gaining and losing the focus send EN_SETFOCUS and EN_KILLFOCUS.
#pragma once

#include "platform/win32.h"

namespace substitute {

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace substitute
