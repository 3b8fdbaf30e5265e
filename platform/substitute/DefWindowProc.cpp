// The default processing every window class falls back on.
#include <algorithm>

#include "platform/substitute/Placement.h"
#include "platform/substitute/Window.h"

namespace {

LRESULT CopyText(const std::u16string& text, WPARAM capacity, LPARAM buffer) {
    auto* target = reinterpret_cast<WCHAR*>(buffer);
    if (!target || capacity == 0)
        return 0;
    const size_t count = std::min<size_t>(text.size(), capacity - 1);
    std::copy_n(text.begin(), count, target);
    target[count] = 0;
    return static_cast<LRESULT>(count);
}

void SendSizeAndMove(HWND handle, const WINDOWPOS& pos) {
    const RECT client = substitute::ClientInOwnCoordinates(handle);
    if (!(pos.flags & substitute::kNoClientMove))
        SendMessageW(handle, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
    if (!(pos.flags & substitute::kNoClientSize) && substitute::Find(handle))
        SendMessageW(handle, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(client.right - client.left, client.bottom - client.top));
}

} // namespace

extern "C" LRESULT WINAPI DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    substitute::Window* window = substitute::Find(handle);
    if (!window)
        return 0;
    switch (message) {
    case WM_NCCREATE:
    case WM_NCACTIVATE:
        return TRUE;
    case WM_SETTEXT:
        window->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        return TRUE;
    case WM_GETTEXT:
        return CopyText(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(handle);
        return 0;
    case WM_WINDOWPOSCHANGED:
        SendSizeAndMove(handle, *reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_SYSCOMMAND:
        // The caption's close box, and Alt+F4.
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageW(handle, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    default:
        return 0;
    }
}
