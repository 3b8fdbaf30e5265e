#include "simhost/desktop/UserInput.h"

#include <cstring>

namespace {

struct NamedKey {
    const char* name;
    WORD virtualKey;
    // The scan code the keyboard sends (set 1), and whether it comes with the extended prefix.
    BYTE scanCode;
    bool extended;
};

constexpr NamedKey kNamedKeys[] = {
    {"Tab", VK_TAB, 0x0F, false},       {"Enter", VK_RETURN, 0x1C, false},
    {"Escape", VK_ESCAPE, 0x01, false}, {"Space", VK_SPACE, 0x39, false},
    {"Up", VK_UP, 0x48, true},          {"Down", VK_DOWN, 0x50, true},
    {"Home", VK_HOME, 0x47, true},      {"End", VK_END, 0x4F, true},
};

// The scan codes of the letter and digit keys, by the character they carry.
constexpr char kLetterRows[] = "QWERTYUIOP\0\0\0\0ASDFGHJKL\0\0\0\0\0ZXCVBNM";
constexpr BYTE kFirstLetterScanCode = 0x10;

BYTE ScanCodeOf(WORD virtualKey, bool& extended) {
    extended = false;
    for (const NamedKey& key : kNamedKeys)
        if (key.virtualKey == virtualKey) {
            extended = key.extended;
            return key.scanCode;
        }
    if (virtualKey >= '1' && virtualKey <= '9')
        return static_cast<BYTE>(0x02 + (virtualKey - '1'));
    if (virtualKey == '0')
        return 0x0B;
    for (size_t i = 0; i < sizeof kLetterRows - 1; ++i)
        if (kLetterRows[i] == static_cast<char>(virtualKey))
            return static_cast<BYTE>(kFirstLetterScanCode + i);
    return 0;
}

// The lParam of a key message: repeat count 1, the scan code, the extended bit, the context
// bit while Alt is held; for a release also the previous-state and transition bits.
LPARAM KeyData(const UserInput::KeyStroke& key, bool release) {
    bool extended = false;
    DWORD data = 1u | (static_cast<DWORD>(ScanCodeOf(key.virtualKey, extended)) << 16);
    if (extended)
        data |= static_cast<DWORD>(KF_EXTENDED) << 16;
    if (key.alt)
        data |= static_cast<DWORD>(KF_ALTDOWN) << 16;
    if (release)
        data |= static_cast<DWORD>(KF_REPEAT | KF_UP) << 16;
    return static_cast<LPARAM>(data);
}

void PostKeyMessages(HWND window, const UserInput::KeyStroke& key) {
    PostMessageW(window, key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key.virtualKey, KeyData(key, false));
    PostMessageW(window, key.alt ? WM_SYSKEYUP : WM_KEYUP, key.virtualKey, KeyData(key, true));
}

bool IsChild(HWND window) {
    return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & WS_CHILD) != 0;
}

// Visible, and neither the window nor any window it lies in disabled.
bool Reachable(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window))
        return false;
    for (HWND w = window; w; w = IsChild(w) ? GetParent(w) : nullptr)
        if (!IsWindowEnabled(w))
            return false;
    return true;
}

bool ClickRowWith(HWND list, int row, UINT buttonDown) {
    if (!Reachable(list))
        return false;
    RECT label{};
    label.left = LVIR_LABEL;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&label)))
        return false;
    const LPARAM point = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    PostMessageW(list, WM_LBUTTONUP, 0, point);
    SendMessageW(list, buttonDown, MK_LBUTTON, point);
    MSG up{};
    if (PeekMessageW(&up, list, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE))
        DispatchMessageW(&up);
    return true;
}

} // namespace

namespace UserInput {

bool ReadKey(const std::string& name, KeyStroke& key) {
    KeyStroke read;
    std::string rest = name;
    for (;;) {
        if (rest.compare(0, 6, "Shift+") == 0 && rest.size() > 6) {
            read.shift = true;
            rest.erase(0, 6);
        } else if (rest.compare(0, 4, "Alt+") == 0 && rest.size() > 4) {
            read.alt = true;
            rest.erase(0, 4);
        } else {
            break;
        }
    }
    for (const NamedKey& named : kNamedKeys)
        if (rest == named.name)
            read.virtualKey = named.virtualKey;
    // Letters and digits: the virtual key is the character itself, in capitals.
    if (!read.virtualKey && rest.size() == 1 &&
        ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9')))
        read.virtualKey = static_cast<WORD>(rest[0]);
    if (!read.virtualKey)
        return false;
    key = read;
    return true;
}

bool PressKey(const KeyStroke& key, const std::function<void()>& runLoop) {
    HWND target = GetFocus();
    if (!target)
        target = GetActiveWindow();
    if (!target)
        return false;
    BYTE before[256] = {};
    GetKeyboardState(before);
    BYTE held[256];
    std::memcpy(held, before, sizeof held);
    if (key.shift)
        held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
    if (key.alt)
        held[VK_MENU] = held[VK_LMENU] = 0x80;
    SetKeyboardState(held);
    PostKeyMessages(target, key);
    runLoop();
    SetKeyboardState(before);
    return true;
}

void PostKey(HWND window, const KeyStroke& key) {
    PostKeyMessages(window, key);
}

bool ClickRow(HWND list, int row) {
    return ClickRowWith(list, row, WM_LBUTTONDOWN);
}

bool DoubleClickRow(HWND list, int row) {
    return ClickRowWith(list, row, WM_LBUTTONDOWN) && ClickRowWith(list, row, WM_LBUTTONDBLCLK);
}

bool ClickButton(HWND button) {
    if (!Reachable(button))
        return false;
    SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

bool TypeText(HWND edit, const std::u16string& text) {
    if (!Reachable(edit))
        return false;
    SetFocus(edit);
    if (!IsWindow(edit))
        return false;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    // Backspace takes the selected text away, so that typing nothing empties the field.
    SendMessageW(edit, WM_CHAR, u'\b', 1);
    for (char16_t unit : text)
        SendMessageW(edit, WM_CHAR, unit, 1);
    return true;
}

bool CloseByCaption(HWND window) {
    if (!Reachable(window) || IsChild(window))
        return false;
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool Activate(HWND window) {
    if (!Reachable(window) || IsChild(window))
        return false;
    SetActiveWindow(window);
    return true;
}

} // namespace UserInput
