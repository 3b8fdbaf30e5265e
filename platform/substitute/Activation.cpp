#include "platform/substitute/Activation.h"

#include "platform/substitute/Window.h"

namespace {

struct ActivationState {
    HWND active = nullptr;
    HWND focus = nullptr;
};

ActivationState& State() {
    static ActivationState state;
    return state;
}

bool Usable(HWND window) {
    const substitute::Window* w = substitute::Find(window);
    return w && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

// A disabled window cannot take the focus, nor can any window inside a disabled one.
bool CanTakeFocus(HWND window) {
    for (const substitute::Window* w = substitute::Find(window); w;
         w = substitute::IsChildStyle(*w) ? substitute::Find(w->parent) : nullptr)
        if (w->style & WS_DISABLED)
            return false;
    return true;
}

} // namespace

namespace substitute {

HWND Activate(HWND window) {
    ActivationState& state = State();
    const HWND old = state.active;
    if (old == window)
        return old;
    state.active = window;
    if (Find(old)) {
        SendMessageW(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageW(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
    }
    if (!window) {
        SetFocus(nullptr);
        return old;
    }
    if (Find(window) && state.active == window) {
        SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
        SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
        // The focus belongs inside the active window; if its WM_ACTIVATE left it elsewhere,
        // the window itself takes it (a dialog then hands it on to a control).
        if (state.active == window && TopLevelOf(state.focus) != window)
            SetFocus(window);
    }
    return old;
}

void ActivateAfterLoss(HWND leaving) {
    const Window* window = Find(leaving);
    if (!window || State().active != leaving)
        return;
    Activate(Usable(window->owner) ? window->owner : nullptr);
}

void ForgetActivation(HWND window) {
    ActivationState& state = State();
    if (state.active == window)
        state.active = nullptr;
    if (state.focus == window)
        state.focus = nullptr;
}

} // namespace substitute

extern "C" {

HWND WINAPI SetActiveWindow(HWND window) {
    if (window && !substitute::Find(window))
        return nullptr;
    return substitute::Activate(substitute::TopLevelOf(window));
}

HWND WINAPI GetActiveWindow() {
    return State().active;
}

HWND WINAPI SetFocus(HWND window) {
    ActivationState& state = State();
    if (window) {
        if (!substitute::Find(window))
            return nullptr;
        if (window == state.focus)
            return window;
        if (!CanTakeFocus(window))
            return nullptr;
        // Focusing a window of an inactive top-level window activates that first; its
        // WM_ACTIVATE may move the focus, and the window asked for takes it afterwards.
        const HWND top = substitute::TopLevelOf(window);
        if (top != state.active) {
            substitute::Activate(top);
            if (!substitute::Find(window) || state.active != top)
                return nullptr;
        }
    }
    const HWND old = state.focus;
    if (old == window)
        return old;
    state.focus = window;
    if (substitute::Find(old))
        SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window && state.focus == window && substitute::Find(window))
        SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND WINAPI GetFocus() {
    return State().focus;
}
}
