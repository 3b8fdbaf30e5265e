// Window classes: those a program registers, and the system's own (dialogs, buttons, edit
// fields, list views), looked up by name without regard to case, as USER32 does.
#pragma once

#include <string>

#include "platform/win32.h"

namespace substitute {

struct WindowClass {
    std::u16string name;
    WNDPROC procedure;
};

// Null when no class has that name.
const WindowClass* FindClass(const std::u16string& name);

// The class that ordinal 0x80 and up name in a dialog template: 0x80 "Button", 0x81 "Edit";
// empty for an ordinal this window system has no class for.
std::u16string ClassOfOrdinal(WORD ordinal);

} // namespace substitute
