#include "framework/ui/DialogCallback.h"

#include "framework/ui/NKControl.h"
#include "framework/ui/NKResourceWindow.h"

namespace {

// Sent by the host when its windows change state; the panel follows its enabled state.
constexpr UINT kHostStateChanged = 0x036D;

INT_PTR Command(NKResourceWindow& window, WPARAM wParam) {
    NKControl* control = window.FindControl(LOWORD(wParam));
    if (control && control->commandRole != kRoleOrdinary) {
        switch (control->commandRole) {
        case kRoleConfirm:
            window.Ok();
            break;
        case kRoleDismiss:
            window.Cancel();
            break;
        case kRoleThird:
            window.Dismiss();
            break;
        default:
            break;
        }
        return 1;
    }
    return window.HandleCommand(control) ? 1 : 0;
}

void Size(NKResourceWindow& window, WPARAM wParam, LPARAM lParam) {
    if (wParam != SIZE_RESTORED || window.shaded)
        return;
    const int32_t width = LOWORD(lParam);
    const int32_t height = HIWORD(lParam);
    if (window.clientWidth != 0)
        window.HandleResize(width, height, window.clientWidth, window.clientHeight);
    window.clientWidth = width;
    window.clientHeight = height;
}

void MinMaxInfo(const NKResourceWindow& window, LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (!info)
        return;
    info->ptMinTrackSize.x = window.minTrackWidth;
    info->ptMinTrackSize.y = window.shaded ? 0 : window.minTrackHeight;
    info->ptMaxTrackSize.x = window.maxTrackWidth;
    info->ptMaxTrackSize.y = window.maxTrackHeight;
}

} // namespace

INT_PTR WINAPI DialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                              void* userData) {
    auto* window = static_cast<NKResourceWindow*>(userData);
    if (!window)
        return 0;
    switch (message) {
    case WM_INITDIALOG:
        window->dialogHandle = dialog;
        window->initPending = true;
        window->InitWindow();
        return 0;
    case WM_SHOWWINDOW:
        if (window->initPending && window->placementApplied)
            window->ApplyPlacement();
        window->initPending = false;
        window->placementApplied = false;
        return 0;
    case WM_COMMAND:
        return Command(*window, wParam);
    case WM_NOTIFY:
        return static_cast<uint8_t>(
            window->HandleNotify(wParam, reinterpret_cast<const NMHDR*>(lParam)));
    case WM_TIMER:
        window->HandleTimer(wParam);
        return 0;
    case WM_CLOSE:
        window->Cancel();
        return 0;
    case WM_ACTIVATE:
        window->HandleActivate(LOWORD(wParam) != WA_INACTIVE);
        window->SyncEnabledWithHost();
        return 0;
    case WM_WINDOWPOSCHANGING:
    case kHostStateChanged:
        window->SyncEnabledWithHost();
        return 0;
    case WM_SIZE:
        Size(*window, wParam, lParam);
        return 0;
    case WM_DESTROY:
        // The host may destroy the dialog without the window closing it. A handle kept after
        // that would make the next opening show a window that is gone instead of a new one.
        if (window->dialogHandle == dialog) {
            window->dialogHandle = nullptr;
            window->dialogCallback = nullptr;
        }
        return 0;
    case WM_GETMINMAXINFO:
        MinMaxInfo(*window, lParam);
        return 0;
    default:
        return 0;
    }
}
