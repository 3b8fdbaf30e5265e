#include "simhost/desktop/PluginDialogs.h"

#include <algorithm>

namespace {

struct Route {
    HWND dialog;
    SimDialogCallback callback;
    void* userData;
};

std::vector<Route> routes;

// The dialog being created: the system calls the dialog procedure before CreateDialogParamW
// has returned the handle, and before WM_INITDIALOG carries the creation parameter, so the
// first message from an unknown window claims it.
Route* creating = nullptr;

Route* RouteOf(HWND dialog) {
    auto it = std::find_if(routes.begin(), routes.end(),
                           [dialog](const Route& route) { return route.dialog == dialog; });
    if (it != routes.end())
        return &*it;
    if (!creating || creating->dialog)
        return nullptr;
    creating->dialog = dialog;
    routes.push_back(*creating);
    return &routes.back();
}

void Forget(HWND dialog) {
    routes.erase(std::remove_if(routes.begin(), routes.end(),
                                [dialog](const Route& route) { return route.dialog == dialog; }),
                 routes.end());
}

INT_PTR CALLBACK HostDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Route* route = RouteOf(dialog);
    if (!route)
        return FALSE;
    // The callback may open or close dialogs, which moves the routes: copy what it needs.
    const Route target = *route;
    INT_PTR result = target.callback(dialog, message, wParam, lParam, target.userData);
    if (message == WM_NCDESTROY)
        Forget(dialog);
    return result;
}

} // namespace

namespace PluginDialogs {

HWND Create(HINSTANCE module, int templateId, HWND owner, SimDialogCallback callback,
            void* userData) {
    if (!callback)
        return nullptr;
    // A window destroyed without its last message reaching us leaves a route behind; its
    // handle may come back for the new dialog.
    routes.erase(std::remove_if(routes.begin(), routes.end(),
                                [](const Route& route) { return !IsWindow(route.dialog); }),
                 routes.end());
    Route pending{nullptr, callback, userData};
    Route* outer = creating;
    creating = &pending;
    HWND dialog =
        CreateDialogParamW(module, MAKEINTRESOURCEW(templateId), owner, HostDialogProc, 0);
    creating = outer;
    if (!dialog && pending.dialog)
        Forget(pending.dialog);
    return dialog;
}

bool Destroy(HWND dialog) {
    auto open = Open();
    if (std::find(open.begin(), open.end(), dialog) == open.end())
        return false;
    DestroyWindow(dialog);
    Forget(dialog);
    return true;
}

std::vector<HWND> Open() {
    std::vector<HWND> open;
    for (const Route& route : routes)
        if (IsWindow(route.dialog))
            open.push_back(route.dialog);
    return open;
}

bool TakeDialogMessage(MSG& message) {
    for (HWND dialog : Open())
        if (IsDialogMessageW(dialog, &message))
            return true;
    return false;
}

} // namespace PluginDialogs
