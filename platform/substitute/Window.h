// The substitute's window objects and the table that maps handles to them.
//
// A handle is a number, never a pointer: a handle whose window has gone finds nothing, however
// often it is used afterwards, and numbers are never reused within a process. Every function
// that sends a message re-finds its windows afterwards, because the receiver may destroy any
// window, itself included.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace substitute {

// What a control class keeps beyond the window itself (a list view's rows, an edit's caret).
class ControlData {
public:
    virtual ~ControlData() = default;
};

struct Window {
    HWND handle = nullptr;
    std::u16string className; // as registered, e.g. u"Button"
    WNDPROC procedure = nullptr;
    DLGPROC dialogProcedure = nullptr; // dialogs only; attached after their creation messages
    HWND parent = nullptr;             // child windows only
    HWND owner = nullptr;              // top-level windows only
    std::vector<HWND> children;        // in creation order, which is also the tab order
    int id = 0;
    std::u16string text;
    DWORD style = 0; // WS_VISIBLE and WS_DISABLED live here, as on Windows
    DWORD exStyle = 0;
    RECT rect{}; // outer rectangle: screen coordinates, or the parent's client coordinates
    LONG_PTR userData = 0;
    bool destroying = false;
    // An overlapped window gets its first WM_SIZE and WM_MOVE when first shown, others at
    // creation (measured under Wine).
    bool sizeSent = false;
    HWND savedFocus = nullptr; // dialogs: the control that had the focus when deactivated
    POINT dialogUnits{};       // dialogs: the base units of the template's font
    int defaultId = IDOK;      // dialogs: the id DM_GETDEFID answers, as DM_SETDEFID set it
    std::unique_ptr<ControlData> control;
};

// The window of a handle, or null when there is none (any more).
Window* Find(HWND handle);
// Gives the window a fresh handle and keeps it until Forget.
HWND Keep(std::unique_ptr<Window> window);
void Forget(HWND handle);
// Every live window, oldest first.
std::vector<HWND> AllWindows();

bool IsChildStyle(const Window& window);
// The window itself when it is top-level, else its top-level ancestor; null for no window.
HWND TopLevelOf(HWND handle);
// True when descendant lies strictly below ancestor in the parent chain.
bool IsDescendant(HWND ancestor, HWND descendant);

// Rectangles in screen coordinates.
RECT ScreenRect(const Window& window);
RECT ClientScreenRect(const Window& window);

// The data of a control of type T, or null when the handle is not such a control.
template <typename T> T* ControlOf(HWND handle) {
    Window* window = Find(handle);
    return window ? dynamic_cast<T*>(window->control.get()) : nullptr;
}

// For a control's window procedure: gives the window its data of type T when it is created,
// and returns that data, or null for a handle that is no such control (the procedure then
// leaves the message to the default processing).
template <typename T> T* CreatedControlOf(HWND handle, UINT message) {
    Window* window = Find(handle);
    if (window && message == WM_CREATE)
        window->control = std::make_unique<T>();
    return window ? dynamic_cast<T*>(window->control.get()) : nullptr;
}

} // namespace substitute
