// The "Button" class: push buttons and check boxes.
//
// A click is a WM_LBUTTONDOWN (which takes the focus) and a WM_LBUTTONUP inside the button,
// which sends BN_CLICKED to the parent. BM_CLICK sends those two messages; like Wine's button
// it clicks a disabled button too (measured): only real mouse input never reaches a
// disabled window. BM_SETCHECK sets the state of check boxes and is ignored by push
// buttons, whose BM_GETCHECK stays BST_UNCHECKED (measured).
#pragma once

#include "platform/win32.h"

namespace substitute {

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace substitute
