// Window positions, sizes and visibility: SetWindowPos, ShowWindow and the messages they send.
#pragma once

#include "platform/win32.h"

namespace substitute {

// Flags Wine adds to WM_WINDOWPOSCHANGED when the client area kept its size or its place
// (they are not in the SDK headers); DefWindowProcW sends WM_SIZE and WM_MOVE only without
// them.
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;

// The client area's size, and its origin in the coordinates WM_MOVE reports (the parent's
// client area for a child, the screen otherwise).
RECT ClientInOwnCoordinates(HWND window);

} // namespace substitute
