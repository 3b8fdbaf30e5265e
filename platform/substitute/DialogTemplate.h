// Dialog templates read from a compiled resource file (.res, the container that the resource
// compiler writes and the linker puts into a Windows module). Only extended templates
// (DIALOGEX) are understood; that is what the resource compiler makes of the module's .rc.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace substitute {

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0; // dialog units
    int id = 0;
    std::u16string className; // a class ordinal is turned into its class name
    std::u16string text;      // an ordinal text (an icon id) is left empty
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0; // dialog units
    std::u16string title;
    bool hasFont = false; // DS_SETFONT
    WORD pointSize = 0;
    std::u16string faceName;
    std::vector<DialogItem> items;
};

// Reads the RT_DIALOG resource with that numeric id from the bytes of a .res file. False,
// leaving the template unspecified, when there is no such resource or its bytes do not
// hold a whole extended template.
bool ParseDialogResource(const std::vector<uint8_t>& resFile, WORD id, DialogTemplate& dialog);

} // namespace substitute
