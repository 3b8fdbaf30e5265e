// Reading and changing what a window is: family, styles, data, text, enabled state.
#include "platform/substitute/Window.h"

extern "C" {

HWND WINAPI GetParent(HWND handle) {
    const substitute::Window* window = substitute::Find(handle);
    if (!window)
        return nullptr;
    // A child's parent; for a popup its owner, as Windows answers; nothing for the rest.
    if (substitute::IsChildStyle(*window))
        return window->parent;
    return (window->style & WS_POPUP) ? window->owner : nullptr;
}

HWND WINAPI GetWindow(HWND handle, UINT relation) {
    const substitute::Window* window = substitute::Find(handle);
    if (!window || relation != GW_OWNER)
        return nullptr;
    return window->owner;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    const substitute::Window* window = substitute::Find(dialog);
    if (!window)
        return nullptr;
    for (HWND child : window->children)
        if (substitute::Find(child)->id == id)
            return child;
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND handle) {
    const substitute::Window* window = substitute::Find(handle);
    return window ? window->id : 0;
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND handle, int index) {
    const substitute::Window* window = substitute::Find(handle);
    if (!window)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(window->exStyle);
    case GWLP_USERDATA:
        return window->userData;
    default:
        return 0;
    }
}

// Changing a style changes only the bits: no message is sent and nothing is redrawn or
// re-laid out, as with SetWindowLong on Windows (which sends only WM_STYLECHANGING/CHANGED).
LONG_PTR WINAPI SetWindowLongPtrW(HWND handle, int index, LONG_PTR value) {
    substitute::Window* window = substitute::Find(handle);
    if (!window)
        return 0;
    const LONG_PTR old = GetWindowLongPtrW(handle, index);
    switch (index) {
    case GWL_STYLE:
        window->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        window->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        window->userData = value;
        break;
    default:
        return 0;
    }
    return old;
}

LONG WINAPI GetWindowLongW(HWND handle, int index) {
    return static_cast<LONG>(GetWindowLongPtrW(handle, index));
}

LONG WINAPI SetWindowLongW(HWND handle, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrW(handle, index, value));
}

BOOL WINAPI IsWindowVisible(HWND handle) {
    // Visible only when the window and every ancestor are.
    const substitute::Window* window = substitute::Find(handle);
    while (window) {
        if (!(window->style & WS_VISIBLE))
            return FALSE;
        if (!substitute::IsChildStyle(*window))
            return TRUE;
        window = substitute::Find(window->parent);
    }
    return FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
    const substitute::Window* window = substitute::Find(handle);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

// Returns whether the window was disabled before. Disabling a window that has the focus takes
// it away first (measured: WM_KILLFOCUS, then WM_ENABLE); a control inside keeps it (measured
// too). A call that changes nothing sends nothing.
BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    substitute::Window* window = substitute::Find(handle);
    if (!window)
        return FALSE;
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        window->style &= ~WS_DISABLED;
        SendMessageW(handle, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        window->style |= WS_DISABLED;
        if (GetFocus() == handle)
            SetFocus(nullptr);
        SendMessageW(handle, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL WINAPI SetWindowTextW(HWND handle, LPCWSTR text) {
    if (!substitute::Find(handle))
        return FALSE;
    return SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND handle, LPWSTR text, int capacity) {
    if (!text || capacity <= 0)
        return 0;
    text[0] = 0;
    return static_cast<int>(SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(capacity),
                                         reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthW(HWND handle) {
    return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0));
}

// TRUE whether or not the dialog has that item (measured).
BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    SendMessageW(GetDlgItem(dialog, id), BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}

// Nothing is drawn, so there is nothing to repaint.
BOOL WINAPI InvalidateRect(HWND handle, const RECT*, BOOL) {
    return !handle || substitute::Find(handle) ? TRUE : FALSE;
}

// Every common control class is registered from the start.
BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    return classes ? TRUE : FALSE;
}
}
