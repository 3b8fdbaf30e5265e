// The substitute window system as a whole, for tests and for the simulated host: what a test
// needs and Windows cannot tell. The windows themselves are reached through platform/win32.h.
#pragma once

#include <string>

#include "platform/win32.h"

namespace substitute {

// Destroys every window, top-level windows oldest first (each with its children and the
// windows it owns, sending the usual messages), then empties the message queue and stops
// every timer: the window system as a fresh process has it. Message boxes, beeps and loaded
// modules are not touched.
void ResetWindowSystem();

// The class name of a window as registered ("#32770", "Button", "Edit", "SysListView32", or a
// class of the program's); empty for a handle that is no window.
std::u16string ClassNameOf(HWND window);

} // namespace substitute
