// What a user does to the windows and controls on the screen, done through the controls' own
// handling of mouse and keyboard messages, so that a control reacts as it would to a person
// (a click on a row sets the selection mark, a click on a button takes the focus and
// activates its window). The same calls have the same effects on Windows and on the
// substitute window system.
//
// A user cannot reach a window that is hidden or disabled, or that lies in a disabled
// window: mouse input never arrives there. Each function then does nothing and returns
// false (Windows' own messages, BM_CLICK included, would still act on such a window).
// All functions run on the thread that owns the windows.
#pragma once

#include <functional>
#include <string>

#include "platform/win32.h"

namespace UserInput {

// A key as a user names it, with the modifiers held while it is pressed.
struct KeyStroke {
    WORD virtualKey = 0;
    bool shift = false;
    bool alt = false;
};

// Reads a key's name: "Tab", "Enter", "Escape", "Space", "Up", "Down", "Home", "End", a letter
// or digit ("Y"), each optionally after "Shift+" or "Alt+" ("Shift+Tab", "Alt+R"). False for
// any other name; the key is then left as it was.
bool ReadKey(const std::string& name, KeyStroke& key);

// Presses and releases the key as the keyboard delivers it: WM_KEYDOWN and WM_KEYUP (with Alt
// held, WM_SYSKEYDOWN and WM_SYSKEYUP with the context bit) posted to the window with the
// focus, or to the active window when no window has it, and taken through runLoop, the
// host's message loop. While runLoop runs, the modifiers are held in the thread's keyboard
// state (GetKeyState reports them); afterwards the keyboard state is what it was. False, with
// nothing posted, when no window has the focus and none is active.
bool PressKey(const KeyStroke& key, const std::function<void()>& runLoop);

// Posts the key's press and release to a window without running a loop and without
// modifiers held: for a message box, whose own loop takes them.
void PostKey(HWND window, const KeyStroke& key);

// A click on a row of a report-style list view, on its label. The list view sees a
// WM_LBUTTONDOWN and its WM_LBUTTONUP; the button-up is posted before the button-down is
// sent, so that a list view that tracks the mouse in a loop after WM_LBUTTONDOWN (to tell a
// click from a drag) finds it and ends the loop; where the list view does not loop, the
// button-up is taken from the queue and dispatched here. False for a row the list does not
// have.
bool ClickRow(HWND list, int row);

// Two clicks on the row, the second a double click (WM_LBUTTONDBLCLK), as the mouse reports
// a double click.
bool DoubleClickRow(HWND list, int row);

// A click on a push button or check box.
bool ClickButton(HWND button);

// Replaces the text of an edit field as a user who puts the caret in the field, selects all
// and types: the field takes the focus, its whole text is selected (EM_SETSEL 0, -1) and
// deleted with a backspace, and each UTF-16 unit arrives as a WM_CHAR.
bool TypeText(HWND edit, const std::u16string& text);

// The close box in the caption of a top-level window: WM_SYSCOMMAND with SC_CLOSE, which
// the window's default processing turns into WM_CLOSE.
bool CloseByCaption(HWND window);

// A click on the caption of a top-level window: it becomes the active window.
bool Activate(HWND window);

} // namespace UserInput
