#include "platform/substitute/WindowClasses.h"

#include <vector>

#include "platform/substitute/Button.h"
#include "platform/substitute/DialogWindow.h"
#include "platform/substitute/Edit.h"
#include "platform/substitute/ListView.h"

namespace {

std::vector<substitute::WindowClass>& Classes() {
    static std::vector<substitute::WindowClass> classes = {
        {u"#32770", substitute::DialogWindowProc},
        {u"Button", substitute::ButtonProc},
        {u"Edit", substitute::EditProc},
        {u"SysListView32", substitute::ListViewProc},
    };
    return classes;
}

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool SameName(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

} // namespace

namespace substitute {

const WindowClass* FindClass(const std::u16string& name) {
    for (const WindowClass& windowClass : Classes())
        if (SameName(windowClass.name, name))
            return &windowClass;
    return nullptr;
}

std::u16string ClassOfOrdinal(WORD ordinal) {
    switch (ordinal) {
    case 0x80:
        return u"Button";
    case 0x81:
        return u"Edit";
    default:
        return u"";
    }
}

} // namespace substitute

extern "C" WORD WINAPI RegisterClassW(const WNDCLASSW* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc)
        return 0;
    const std::u16string name(windowClass->lpszClassName);
    if (substitute::FindClass(name))
        return 0;
    Classes().push_back({name, windowClass->lpfnWndProc});
    // An atom: any number that names the class, from the range Windows gives class atoms.
    return static_cast<WORD>(0xC000 + Classes().size());
}
