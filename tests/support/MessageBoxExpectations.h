// What a modal message box shows and does, measured under Wine: the substitute's boxes are
// tested against the same values (tests/unit/substitute/MessageBoxesNative.cpp) as Wine's own
// (tests/windows/WineMessageBoxTest.cpp).
#pragma once

#include <string>
#include <vector>

namespace expectations {

inline const std::vector<std::u16string> kYesNoButtons{u"&Yes", u"&No"};
inline const std::vector<std::u16string> kOkButton{u"OK"};

// The record of tests/support/DialogProbe.h while a box owned by the host window opens over
// the active panel and is answered: the owner is disabled, the panel loses activation and
// its list the focus, then the owner is enabled and, the box gone, is the active window.
inline const std::vector<std::string> kBoxOverActivePanel{
    "host WM_ENABLE 0",           "dlg WM_NCACTIVATE 0",   "dlg WM_ACTIVATE 0 other",
    "dlg WM_NOTIFY NM_KILLFOCUS", "host WM_ENABLE 1",      "host WM_NCACTIVATE 1",
    "host WM_ACTIVATE 1 other",   "host WM_SETFOCUS other"};

// The same while the host window itself is active and has the focus.
inline const std::vector<std::string> kBoxOverActiveHost{
    "host WM_KILLFOCUS null",   "host WM_ENABLE 0",      "host WM_NCACTIVATE 0",
    "host WM_ACTIVATE 0 other", "host WM_ENABLE 1",      "host WM_NCACTIVATE 1",
    "host WM_ACTIVATE 1 other", "host WM_SETFOCUS other"};

} // namespace expectations
