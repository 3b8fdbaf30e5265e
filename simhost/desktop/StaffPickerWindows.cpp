#include "simhost/desktop/StaffPicker.h"

#include <algorithm>
#include <string>
#include <vector>

#include "simhost/documents/ScoreContents.h"
#include "simhost/documents/UtfConversion.h"

StaffPicker::StaffPicker(HWND parent, int controlId, const RECT& place)
    : list_(CreateWindowExW(
          WS_EX_CLIENTEDGE, L"ListBox", L"",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_EXTENDEDSEL |
              LBS_NOINTEGRALHEIGHT,
          place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), nullptr, nullptr)) {
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, kRowHeight);
}

void StaffPicker::Show(const SimDocument& document, uint32_t hostVersion) {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : ScoreStaffNames(document, hostVersion)) {
        const std::u16string text = Utf8ToUtf16(name);
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (const auto region = document.SelectedSlots())
        SelectSlots(region->first, region->second);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void StaffPicker::TakeSelection(SimDocument& document) {
    const auto count = static_cast<int>(SendMessageW(list_, LB_GETSELCOUNT, 0, 0));
    if (count <= 0) {
        document.ClearSelection();
        return;
    }
    std::vector<int> rows(static_cast<size_t>(count));
    SendMessageW(list_, LB_GETSELITEMS, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(rows.data()));
    const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
    // Rows count from 0, slots from 1.
    document.SelectSlots(static_cast<int16_t>(*first + 1), static_cast<int16_t>(*last + 1));
    if (*last - *first + 1 != count)
        SelectSlots(*first + 1, *last + 1);
}

void StaffPicker::SelectSlots(int first, int last) {
    SendMessageW(list_, LB_SETSEL, FALSE, -1);
    SendMessageW(list_, LB_SELITEMRANGE, TRUE, MAKELPARAM(first - 1, last - 1));
}

POINT StaffPicker::FirstRowCentre() const {
    RECT row{};
    SendMessageW(list_, LB_SETTOPINDEX, 0, 0);
    SendMessageW(list_, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    POINT centre{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(list_, &centre);
    return centre;
}
