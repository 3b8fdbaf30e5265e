#include "simhost/desktop/PanelView.h"

#include <cstdio>
#include <vector>

#include "simhost/desktop/PanelFacts.h"
#include "simhost/documents/UtfConversion.h"

namespace {

using PanelFacts::kItemsInTabOrder;
using PanelFacts::kListId;
using PanelFacts::kNameFieldId;

constexpr int kColumns = 5;
const int kColumnWidths[kColumns] = {3, 22, 7, 24, 24};

// Windows' WCHAR is 16 bits; the substitute's is char16_t already.
std::u16string Units(const WCHAR* text) {
    std::u16string units;
    for (const WCHAR* unit = text; unit && *unit; ++unit)
        units.push_back(static_cast<char16_t>(*unit));
    return units;
}

std::string CellText(HWND list, int item, int column) {
    std::vector<WCHAR> buffer(600, 0);
    LVITEMW request{};
    request.iSubItem = column;
    request.pszText = buffer.data();
    request.cchTextMax = static_cast<int>(buffer.size());
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&request));
    return Utf16ToUtf8(Units(request.pszText));
}

// Pads by characters, not bytes, so names with accents keep the columns straight.
std::string Padded(const std::string& text, size_t width) {
    const size_t characters = Utf8CharacterCount(text);
    return characters >= width ? text : text + std::string(width - characters, ' ');
}

std::string Row(const std::vector<std::string>& cells) {
    std::string line;
    for (int c = 0; c < kColumns; ++c)
        line += (c ? " | " : "") + Padded(cells[c], kColumnWidths[c]);
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string ItemName(HWND panel, int id) {
    if (id == kListId)
        return "list";
    if (id == kNameFieldId)
        return "name field";
    return "\"" + Utf16ToUtf8(TextOf(GetDlgItem(panel, id))) + "\"";
}

} // namespace

std::vector<std::vector<std::string>> PanelRows(HWND panel) {
    HWND list = PanelList(panel);
    std::vector<std::vector<std::string>> rows;
    const auto items = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < items; ++item) {
        rows.emplace_back();
        for (int c = 0; c < kColumns; ++c)
            rows.back().push_back(CellText(list, item, c));
    }
    return rows;
}

std::string ListTable(const std::vector<std::vector<std::string>>& rows,
                      const std::string& indent) {
    std::string out = indent + Row({"#", "Name", "Staves", "Top", "Bottom"}) + "\n";
    for (const std::vector<std::string>& cells : rows)
        out += indent + Row(cells) + "\n";
    return out;
}

std::u16string TextOf(HWND window) {
    std::vector<WCHAR> buffer(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, 0);
    GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    std::u16string text;
    for (WCHAR unit : buffer) {
        if (!unit)
            break;
        text.push_back(static_cast<char16_t>(unit));
    }
    return text;
}

HWND PanelList(HWND panel) {
    return panel ? GetDlgItem(panel, kListId) : nullptr;
}

HWND PanelNameField(HWND panel) {
    return panel ? GetDlgItem(panel, kNameFieldId) : nullptr;
}

HWND FindButton(HWND panel, const std::string& caption) {
    if (!panel)
        return nullptr;
    for (int id : kItemsInTabOrder)
        if (id != kListId && id != kNameFieldId &&
            Utf16ToUtf8(TextOf(GetDlgItem(panel, id))) == caption)
            return GetDlgItem(panel, id);
    return nullptr;
}

std::string DescribePanel(HWND panel, const std::string& indent) {
    if (!panel || !IsWindow(panel))
        return indent + "the panel is not open\n";
    std::string out;
    RECT outer{}, client{};
    GetWindowRect(panel, &outer);
    GetClientRect(panel, &client);
    char line[200];
    std::snprintf(line, sizeof line, "panel \"%s\" at %ld, %ld, %ld x %ld%s%s\n",
                  Utf16ToUtf8(TextOf(panel)).c_str(), static_cast<long>(outer.left),
                  static_cast<long>(outer.top), static_cast<long>(outer.right - outer.left),
                  static_cast<long>(outer.bottom - outer.top),
                  client.bottom - client.top == 0 ? ", folded to its caption bar" : "",
                  IsWindowEnabled(panel) ? "" : ", disabled");
    out += indent + line;

    HWND list = PanelList(panel);
    out += ListTable(PanelRows(panel), indent);
    const auto selected = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const auto mark = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
    out += indent + "selected row: " + (selected < 0 ? "none" : std::to_string(selected));
    if (mark != selected)
        out += " (selection mark " + std::to_string(mark) + ")";
    out += "\n";

    std::string enabled, disabled;
    for (int id : kItemsInTabOrder) {
        if (id == kListId)
            continue;
        std::string& into = IsWindowEnabled(GetDlgItem(panel, id)) ? enabled : disabled;
        into += (into.empty() ? "" : ", ") + ItemName(panel, id);
    }
    out += indent + "enabled: " + (enabled.empty() ? "nothing" : enabled) + "\n";
    out += indent + "disabled: " + (disabled.empty() ? "nothing" : disabled) + "\n";
    out += indent + "name field: \"" + Utf16ToUtf8(TextOf(PanelNameField(panel))) + "\"\n";
    return out;
}

std::string DescribeColumns(HWND panel, const std::string& indent) {
    HWND list = PanelList(panel);
    std::string out = indent + "columns:";
    int total = 0;
    for (int column = 0;; ++column) {
        WCHAR title[64] = {};
        LVCOLUMNW request{};
        request.mask = LVCF_TEXT;
        request.pszText = title;
        request.cchTextMax = 64;
        if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                          reinterpret_cast<LPARAM>(&request)))
            break;
        const auto width = static_cast<int>(
            SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        total += width;
        out += std::string(column ? ", \"" : " \"") + Utf16ToUtf8(Units(title)) + "\" " +
               std::to_string(width);
    }
    RECT client{};
    GetClientRect(list, &client);
    const long clientWidth = static_cast<long>(client.right - client.left);
    out +=
        "; " + std::to_string(total) + " of the list's " + std::to_string(clientWidth) + " pixels";
    if (clientWidth > 0)
        out += " (" + std::to_string((total * 100 + clientWidth / 2) / clientWidth) + " %)";
    return out + "\n";
}

namespace {

std::string FocusName(HWND panel, HWND hostWindow, HWND focus) {
    if (!focus)
        return "nothing";
    if (panel && focus == panel)
        return "the panel";
    if (panel && GetParent(focus) == panel) {
        const int id = GetDlgCtrlID(focus);
        if (id == kListId) {
            const auto row = static_cast<int>(
                SendMessageW(focus, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
            return row < 0 ? "the list, no row" : "the list, row " + std::to_string(row);
        }
        if (id == kNameFieldId)
            return "the name field";
        return ItemName(panel, id);
    }
    for (HWND w = focus; w; w = GetParent(w))
        if (w == hostWindow)
            return "the score";
    return "another window";
}

// The panel's push button drawn as the default one; "none" when no button is.
std::string DefaultButtonName(HWND panel) {
    for (int id : kItemsInTabOrder) {
        if (id == kListId || id == kNameFieldId)
            continue;
        const auto style = static_cast<DWORD>(GetWindowLongW(GetDlgItem(panel, id), GWL_STYLE));
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return ItemName(panel, id);
    }
    return "none";
}

} // namespace

std::string DescribeFocus(HWND panel, HWND hostWindow, const std::string& indent) {
    std::string line = indent + "focus: " + FocusName(panel, hostWindow, GetFocus());
    if (panel && IsWindow(panel))
        line += "; default button: " + DefaultButtonName(panel);
    return line + "\n";
}
