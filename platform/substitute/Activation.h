// The active window and the keyboard focus, and how they move when windows are hidden,
// disabled or destroyed. Both follow what Wine does (measured): WM_NCACTIVATE and WM_ACTIVATE
// to the window losing activation, then to the one gaining it, then the focus moves
// (WM_KILLFOCUS before WM_SETFOCUS) unless the newly active window's own handling of
// WM_ACTIVATE already put it inside.
#pragma once

#include "platform/win32.h"

namespace substitute {

// Makes that top-level window (or null) the active one; returns the previously active window.
HWND Activate(HWND window);

// The active window is going away (hidden or destroyed): its owner takes over when it is
// still visible and enabled, else no window is active.
void ActivateAfterLoss(HWND leaving);

// Called when a window is removed for good: forgets it as active or focused window without
// sending anything.
void ForgetActivation(HWND window);

} // namespace substitute
