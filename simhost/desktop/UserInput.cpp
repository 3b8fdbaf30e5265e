#include "simhost/desktop/UserInput.h"

namespace {

bool IsChild(HWND window) {
    return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & WS_CHILD) != 0;
}

// Visible, and neither the window nor any window it lies in disabled.
bool Reachable(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window))
        return false;
    for (HWND w = window; w; w = IsChild(w) ? GetParent(w) : nullptr)
        if (!IsWindowEnabled(w))
            return false;
    return true;
}

bool ClickRowWith(HWND list, int row, UINT buttonDown) {
    if (!Reachable(list))
        return false;
    RECT label{};
    label.left = LVIR_LABEL;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&label)))
        return false;
    const LPARAM point = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    PostMessageW(list, WM_LBUTTONUP, 0, point);
    SendMessageW(list, buttonDown, MK_LBUTTON, point);
    MSG up{};
    if (PeekMessageW(&up, list, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE))
        DispatchMessageW(&up);
    return true;
}

} // namespace

namespace UserInput {

bool ClickRow(HWND list, int row) {
    return ClickRowWith(list, row, WM_LBUTTONDOWN);
}

bool DoubleClickRow(HWND list, int row) {
    return ClickRowWith(list, row, WM_LBUTTONDOWN) && ClickRowWith(list, row, WM_LBUTTONDBLCLK);
}

bool ClickButton(HWND button) {
    if (!Reachable(button))
        return false;
    SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

bool TypeText(HWND edit, const std::u16string& text) {
    if (!Reachable(edit))
        return false;
    SetFocus(edit);
    if (!IsWindow(edit))
        return false;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    // Backspace takes the selected text away, so that typing nothing empties the field.
    SendMessageW(edit, WM_CHAR, u'\b', 1);
    for (char16_t unit : text)
        SendMessageW(edit, WM_CHAR, unit, 1);
    return true;
}

bool CloseByCaption(HWND window) {
    if (!Reachable(window) || IsChild(window))
        return false;
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool Activate(HWND window) {
    if (!Reachable(window) || IsChild(window))
        return false;
    SetActiveWindow(window);
    return true;
}

} // namespace UserInput
