// The one callback the host calls for every message of a framework dialog, with the window
// object as user data. It turns messages into the window's virtual operations.
#pragma once

#include "platform/win32.h"

// Answers 0 for a null window and for every message it does not handle.
INT_PTR WINAPI DialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                              void* window);
