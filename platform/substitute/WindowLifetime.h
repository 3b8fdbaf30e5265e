// Creating and destroying windows, shared by CreateWindowExW, the dialog manager and the
// message box.
#pragma once

#include <string>

#include "platform/win32.h"

namespace substitute {

struct Creation {
    DWORD exStyle = 0;
    std::u16string className;
    std::u16string text;
    DWORD style = 0;
    // Outer rectangle: screen coordinates for a top-level window, the parent's client
    // coordinates for a child.
    RECT rect{};
    HWND parent = nullptr; // the parent of a child, the owner of a top-level window
    int id = 0;            // children only
    HINSTANCE instance = nullptr;
    LPVOID param = nullptr;
};

// Runs the creation messages (WM_GETMINMAXINFO for overlapped or resizable windows,
// WM_NCCREATE, WM_CREATE, then WM_SIZE and WM_MOVE unless the window is overlapped) and shows
// the window when its style asks for WS_VISIBLE. The style and extended style are taken as
// given: CreateWindowExW adds what Windows adds before calling this. Null when the class is
// unknown, a child has no parent, or the window refuses its creation.
HWND CreateWindowObject(const Creation& creation);

} // namespace substitute
