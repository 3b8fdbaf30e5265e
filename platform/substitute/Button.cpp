#include "platform/substitute/Button.h"

#include "platform/substitute/Window.h"

namespace {

class ButtonData : public substitute::ControlData {
public:
    UINT check = BST_UNCHECKED;
    bool pressed = false;
};

bool IsCheckBox(DWORD style) {
    const DWORD type = style & BS_TYPEMASK;
    return type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON;
}

bool Inside(HWND button, LPARAM point) {
    RECT client{};
    GetClientRect(button, &client);
    const int x = static_cast<short>(LOWORD(point));
    const int y = static_cast<short>(HIWORD(point));
    return x >= 0 && y >= 0 && x < client.right && y < client.bottom;
}

} // namespace

namespace substitute {

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(button);
    if (!window)
        return 0;
    ButtonData* data = CreatedControlOf<ButtonData>(button, message);
    if (!data)
        return DefWindowProcW(button, message, wParam, lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        data->pressed = true;
        if (GetFocus() != button)
            SetFocus(button);
        return 0;
    case WM_LBUTTONUP: {
        const bool click = data->pressed && Inside(button, lParam);
        data->pressed = false;
        if (!click)
            return 0;
        if ((window->style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
            data->check = data->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        // The parent may destroy the button: nothing of it is touched after this.
        SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(window->id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        return 0;
    }
    // Space presses a focused button as the mouse does; its release clicks.
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            data->pressed = true;
        return 0;
    case WM_KEYUP:
        if (wParam != VK_SPACE || !data->pressed)
            return 0;
        data->pressed = false;
        SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(window->id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        return 0;
    case WM_GETDLGCODE:
        switch (window->style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        default:
            return DLGC_BUTTON;
        }
    // The dialog moves the default style between push buttons; no other type changes here.
    case BM_SETSTYLE:
        window->style = (window->style & ~static_cast<DWORD>(BS_TYPEMASK)) |
                        (static_cast<DWORD>(wParam) & BS_TYPEMASK);
        return 0;
    case BM_CLICK:
        SendMessageW(button, WM_LBUTTONDOWN, 0, 0);
        SendMessageW(button, WM_LBUTTONUP, 0, 0);
        return 0;
    case BM_GETCHECK:
        return data->check;
    case BM_SETCHECK:
        if (IsCheckBox(window->style))
            data->check = static_cast<UINT>(wParam);
        return 0;
    default:
        return DefWindowProcW(button, message, wParam, lParam);
    }
}

} // namespace substitute
