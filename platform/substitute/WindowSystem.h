// The substitute window system as a whole, for tests and for the simulated host: what a test
// needs and Windows cannot tell. The windows themselves are reached through platform/win32.h.
//
// The window system reproduces what Wine 8 does in the project's test display (1024 x 768,
// default theme, windows that no window manager looks after), measured there message by
// message: the same dialog gets the same rectangles and the same messages, in the same order,
// on both platforms. tests/unit/substitute/ states those measurements (of the messages, only
// those the panel and the simulated host act on); each test there that is not native-only
// runs against Wine too. Where the two do not agree, and why:
//  - Nothing is drawn, so nothing is sent that only drawing needs: no painting, palette,
//    non-client sizing or custom-draw messages, and LVN_GETDISPINFOW only when a program reads
//    a cell (Windows also asks whenever it repaints). Neither is there an input method or a
//    mouse capture, so no WM_IME_*, WM_SETCURSOR or WM_CAPTURECHANGED.
//  - Queries that only decide between ANSI and Unicode are not asked (WM_NOTIFYFORMAT:
//    notifications are always Unicode here), and WM_ACTIVATEAPP, WM_CANCELMODE,
//    WM_PARENTNOTIFY and WM_STYLECHANGING/CHANGED are not sent.
//  - The keyboard is the one a program posts (there is no device): key messages and the
//    keyboard state that SetKeyboardState gives GetKeyState. TranslateMessage makes
//    characters for Tab, Enter, Escape, Space, Backspace, letters and digits only (a US
//    layout, Shift for capitals). IsDialogMessageW does what Wine's does with WM_GETDLGCODE,
//    Tab and Shift+Tab, the arrow keys, Enter, Escape and mnemonics; arrow-key groups span
//    the whole dialog (WS_GROUP is not looked at), controls that are dialogs themselves
//    (WS_EX_CONTROLPARENT) are not entered, and a mnemonic not taken by a button opens no
//    system menu. The list view takes Up, Down, Home, End and Space (no LVN_KEYDOWN, no
//    search by typed characters); the edit field moves no caret by key. A message box
//    answers keys as Wine's does (MessageBoxes.h).
//  - The list view never scrolls and measures its rows with the panel's template font; the
//    dialog base units are known for that font only (MS Sans Serif 8 point); templates must
//    be extended ones (DIALOGEX), found by number.
//  - Wine itself behaves differently when it takes its top-level windows for windows a window
//    manager looks after (its default) in a display without one: it waits two seconds at each
//    window destroyed, and it grows a window folded below its caption to a client area one
//    pixel high. The Windows test suite therefore runs with Wine's "Managed" setting off,
//    and alone in its display, since another Wine program showing windows meanwhile can keep
//    the activation from the windows a test makes.
#pragma once

#include <string>

#include "platform/win32.h"

namespace substitute {

// Destroys every window, top-level windows oldest first (each with its children and the
// windows it owns, sending the usual messages), then empties the message queue and stops
// every timer: the window system as a fresh process has it. Message boxes, beeps and loaded
// modules are not touched.
void ResetWindowSystem();

// The class name of a window as registered ("#32770", "Button", "Edit", "SysListView32", or a
// class of the program's); empty for a handle that is no window.
std::u16string ClassNameOf(HWND window);

} // namespace substitute
