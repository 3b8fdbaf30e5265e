// The measurements of the test display that the substitute reproduces: a 1024 x 768 screen
// and the frame sizes of Wine's default theme, read there with GetSystemMetrics.
#pragma once

#include "platform/win32.h"

namespace substitute {

struct Insets {
    LONG left, top, right, bottom;
};

// The frame, caption and edges between a window's outer rectangle and its client area, for
// these styles (the rules of AdjustWindowRectEx, without menus or scroll bars).
Insets NonClientInsets(DWORD style, DWORD exStyle);

RECT ClientFromOuter(const RECT& outer, DWORD style, DWORD exStyle);

// a * b / c rounded half away from zero, as Windows' MulDiv; the dialog unit conversion.
int MulDiv(int a, int b, int c);

// The screen, the one monitor of the test display.
RECT ScreenBounds();

} // namespace substitute
