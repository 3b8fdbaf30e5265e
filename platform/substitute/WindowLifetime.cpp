#include "platform/substitute/WindowLifetime.h"

#include <algorithm>

#include "platform/substitute/Activation.h"
#include "platform/substitute/Geometry.h"
#include "platform/substitute/MessageQueue.h"
#include "platform/substitute/Placement.h"
#include "platform/substitute/Timers.h"
#include "platform/substitute/Window.h"
#include "platform/substitute/WindowClasses.h"

namespace {

using substitute::Find;
using substitute::Window;

bool IsOverlapped(DWORD style) {
    return !(style & (WS_CHILD | WS_POPUP));
}

// Windows asks a new overlapped or resizable top-level window for its size limits and keeps
// the requested size within them.
void ApplyTrackingLimits(HWND handle) {
    Window* window = Find(handle);
    if (substitute::IsChildStyle(*window) ||
        !(IsOverlapped(window->style) || (window->style & WS_THICKFRAME)))
        return;
    const int frame = GetSystemMetrics(SM_CXFRAME);
    MINMAXINFO info{};
    info.ptMaxSize = {GetSystemMetrics(SM_CXSCREEN) + 2 * frame,
                      GetSystemMetrics(SM_CYSCREEN) + 2 * frame};
    info.ptMaxPosition = {-frame, -frame};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessageW(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    window = Find(handle);
    if (!window)
        return;
    RECT& r = window->rect;
    const LONG width = std::clamp(r.right - r.left, info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
    const LONG height = std::clamp(r.bottom - r.top, info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
    r.right = r.left + width;
    r.bottom = r.top + height;
}

void SendDestroyTree(HWND handle) {
    SendMessageW(handle, WM_DESTROY, 0, 0);
    const Window* window = Find(handle);
    if (!window)
        return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children)
        if (Find(child))
            SendDestroyTree(child);
}

// Children go first, the window itself last: WM_NCDESTROY is the last message a window gets.
void RemoveTree(HWND handle) {
    const Window* window = Find(handle);
    if (!window)
        return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children)
        RemoveTree(child);
    SendMessageW(handle, WM_NCDESTROY, 0, 0);
    window = Find(handle);
    if (Window* parent = window ? Find(window->parent) : nullptr) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    }
    substitute::DiscardMessagesFor(handle);
    substitute::KillTimersOf(handle);
    substitute::ForgetActivation(handle);
    substitute::Forget(handle);
}

} // namespace

namespace substitute {

HWND CreateWindowObject(const Creation& creation) {
    const WindowClass* windowClass = FindClass(creation.className);
    if (!windowClass)
        return nullptr;
    const bool child = (creation.style & WS_CHILD) != 0;
    if (child && !Find(creation.parent))
        return nullptr;

    auto window = std::make_unique<Window>();
    window->className = windowClass->name;
    window->procedure = windowClass->procedure;
    window->text = creation.text;
    window->style = creation.style & ~WS_VISIBLE;
    window->exStyle = creation.exStyle;
    window->rect = creation.rect;
    window->id = child ? creation.id : 0;
    (child ? window->parent : window->owner) = creation.parent;
    window->sizeSent = !IsOverlapped(creation.style);
    const HWND handle = Keep(std::move(window));
    if (child)
        Find(creation.parent)->children.push_back(handle);

    ApplyTrackingLimits(handle);
    CREATESTRUCTW create{};
    create.lpCreateParams = creation.param;
    create.hInstance = creation.instance;
    create.hMenu = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)) : nullptr;
    create.hwndParent = creation.parent;
    create.x = creation.rect.left;
    create.y = creation.rect.top;
    create.cx = creation.rect.right - creation.rect.left;
    create.cy = creation.rect.bottom - creation.rect.top;
    create.style = static_cast<LONG>(creation.style);
    create.lpszName = creation.text.c_str();
    create.lpszClass = creation.className.c_str();
    create.dwExStyle = creation.exStyle;
    const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (!SendMessageW(handle, WM_NCCREATE, 0, createParam) ||
        SendMessageW(handle, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (Find(handle) && !IsOverlapped(creation.style)) {
        const RECT client = ClientInOwnCoordinates(handle);
        SendMessageW(handle, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(client.right - client.left, client.bottom - client.top));
        SendMessageW(handle, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
    }
    if (Find(handle) && (creation.style & WS_VISIBLE))
        ShowWindow(handle, SW_SHOW);
    return Find(handle) ? handle : nullptr;
}

} // namespace substitute

extern "C" {

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    using namespace substitute;
    if (!className || IS_INTRESOURCE(className))
        return nullptr;
    Creation creation;
    creation.className = className;
    creation.text = windowName ? windowName : u"";
    creation.instance = instance;
    creation.param = param;
    if (style & WS_CHILD) {
        creation.parent = parent;
        creation.id = static_cast<int>(reinterpret_cast<INT_PTR>(menu));
    } else {
        creation.parent = parent ? TopLevelOf(parent) : nullptr;
        // Measured under Wine: every top-level window clips its siblings and an overlapped
        // one always has a caption.
        style |= WS_CLIPSIBLINGS | (IsOverlapped(style) ? WS_CAPTION : 0);
    }
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)))
        exStyle |= WS_EX_WINDOWEDGE;
    else
        exStyle &= ~WS_EX_WINDOWEDGE;
    // Default placement, measured under Wine: an overlapped window at the screen's corner,
    // three quarters of the screen in size; anything else at nought.
    if (x == CW_USEDEFAULT)
        x = y = 0;
    if (width == CW_USEDEFAULT) {
        const bool overlapped = IsOverlapped(style);
        width = overlapped ? GetSystemMetrics(SM_CXSCREEN) * 3 / 4 : 0;
        height = overlapped ? GetSystemMetrics(SM_CYSCREEN) * 3 / 4 : 0;
    }
    creation.exStyle = exStyle;
    creation.style = style;
    creation.rect = {x, y, x + width, y + height};
    return CreateWindowObject(creation);
}

BOOL WINAPI DestroyWindow(HWND handle) {
    using namespace substitute;
    Window* window = Find(handle);
    if (!window || window->destroying)
        return FALSE;
    window->destroying = true;
    if (window->style & WS_VISIBLE)
        SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    // Owned windows go first, each entirely, before the owner gets WM_DESTROY.
    for (HWND other : AllWindows()) {
        const Window* owned = Find(other);
        if (owned && !IsChildStyle(*owned) && owned->owner == handle)
            DestroyWindow(other);
    }
    const HWND focus = GetFocus();
    if (focus == handle || IsDescendant(handle, focus))
        SetFocus(nullptr);
    SendDestroyTree(handle);
    RemoveTree(handle);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND handle) {
    return substitute::Find(handle) ? TRUE : FALSE;
}
}
