#include "platform/substitute/Placement.h"

#include <algorithm>

#include "platform/substitute/Activation.h"
#include "platform/substitute/Geometry.h"
#include "platform/substitute/Window.h"

namespace {

LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}
LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Moved(const RECT& rect, const WINDOWPOS& pos) {
    RECT moved = rect;
    if (!(pos.flags & SWP_NOMOVE)) {
        moved = {pos.x, pos.y, pos.x + Width(rect), pos.y + Height(rect)};
    }
    if (!(pos.flags & SWP_NOSIZE)) {
        moved.right = moved.left + std::max(0, pos.cx);
        moved.bottom = moved.top + std::max(0, pos.cy);
    }
    return moved;
}

// What follows a window becoming invisible: the activation moves on, and a hidden child
// hands the focus to its parent.
void AfterHiding(HWND handle) {
    const substitute::Window* window = substitute::Find(handle);
    if (!window)
        return;
    if (!substitute::IsChildStyle(*window)) {
        substitute::ActivateAfterLoss(handle);
    } else {
        const HWND focus = GetFocus();
        if (focus == handle || substitute::IsDescendant(handle, focus))
            SetFocus(window->parent);
    }
}

} // namespace

namespace substitute {

RECT ClientInOwnCoordinates(HWND handle) {
    const Window* window = Find(handle);
    return window ? ClientFromOuter(window->rect, window->style, window->exStyle) : RECT{};
}

} // namespace substitute

extern "C" {

BOOL WINAPI SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height,
                         UINT flags) {
    using namespace substitute;
    if (!Find(handle))
        return FALSE;
    WINDOWPOS pos{handle, insertAfter, x, y, width, height, flags};
    SendMessageW(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    Window* window = Find(handle);
    if (!window)
        return FALSE;

    const RECT oldRect = window->rect;
    const RECT oldClient = ClientInOwnCoordinates(handle);
    const RECT newRect = Moved(oldRect, pos);
    const bool visible = (window->style & WS_VISIBLE) != 0;
    const bool show = (pos.flags & SWP_SHOWWINDOW) && !visible;
    const bool hide = (pos.flags & SWP_HIDEWINDOW) && visible;
    // Asking for what already is sends nothing more (measured).
    if (SameRect(oldRect, newRect) && !show && !hide)
        return TRUE;

    window->rect = newRect;
    if (show)
        window->style |= WS_VISIBLE;
    if (hide)
        window->style &= ~WS_VISIBLE;
    const bool activates = !IsChildStyle(*window) && (window->style & WS_VISIBLE) &&
                           !(pos.flags & SWP_NOACTIVATE) && !hide;
    if (activates)
        Activate(handle);
    if (!Find(handle))
        return TRUE;

    const RECT newClient = ClientInOwnCoordinates(handle);
    UINT done = pos.flags | SWP_NOZORDER;
    if (Width(newClient) == Width(oldClient) && Height(newClient) == Height(oldClient))
        done |= kNoClientSize;
    if (newClient.left == oldClient.left && newClient.top == oldClient.top)
        done |= kNoClientMove;
    WINDOWPOS changed{handle,         insertAfter,     newRect.left, newRect.top,
                      Width(newRect), Height(newRect), done};
    SendMessageW(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
    if (hide)
        AfterHiding(handle);
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
    using namespace substitute;
    Window* window = Find(handle);
    if (!window)
        return FALSE;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        if (!wasVisible)
            return FALSE;
        SendMessageW(handle, WM_SHOWWINDOW, FALSE, 0);
        SetWindowPos(handle, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE);
        return TRUE;
    }
    // Every other command shows; a window already visible is left as it is, active or not
    // (measured with SW_SHOW and SW_SHOWNORMAL).
    if (wasVisible)
        return TRUE;
    SendMessageW(handle, WM_SHOWWINDOW, TRUE, 0);
    const UINT activation = IsChildStyle(*window) ? SWP_NOACTIVATE : 0;
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | activation);
    window = Find(handle);
    if (window && !window->sizeSent) {
        window->sizeSent = true;
        const RECT client = ClientInOwnCoordinates(handle);
        SendMessageW(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Width(client), Height(client)));
        SendMessageW(handle, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
    }
    return FALSE;
}

BOOL WINAPI GetWindowRect(HWND handle, RECT* rect) {
    const substitute::Window* window = substitute::Find(handle);
    if (!window || !rect)
        return FALSE;
    *rect = substitute::ScreenRect(*window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, RECT* rect) {
    if (!substitute::Find(handle) || !rect)
        return FALSE;
    const RECT client = substitute::ClientInOwnCoordinates(handle);
    *rect = {0, 0, Width(client), Height(client)};
    return TRUE;
}
}
