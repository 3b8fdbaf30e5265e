#include "platform/substitute/DialogKeys.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <vector>

#include "platform/substitute/Window.h"

namespace {

using substitute::Find;
using substitute::Window;

BYTE* KeyboardState() {
    static BYTE state[256] = {};
    return state;
}

bool Usable(HWND control) {
    const Window* window = Find(control);
    return window && (window->style & WS_VISIBLE) && !(window->style & WS_DISABLED);
}

LRESULT DialogCode(HWND control, WPARAM key = 0, const MSG* message = nullptr) {
    return SendMessageW(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(message));
}

std::vector<HWND> ChildrenOf(HWND dialog) {
    const Window* window = Find(dialog);
    return window ? window->children : std::vector<HWND>{};
}

// The next (or previous) usable child after start that passes the test, wrapping; start
// itself when no other does. A start that is no child of the dialog counts from the ends.
template <typename Test> HWND NextChild(HWND dialog, HWND start, bool previous, Test test) {
    const std::vector<HWND> children = ChildrenOf(dialog);
    const int count = static_cast<int>(children.size());
    if (count == 0)
        return nullptr;
    const auto found = std::find(children.begin(), children.end(), start);
    int at = found == children.end() ? (previous ? count : -1)
                                     : static_cast<int>(found - children.begin());
    for (int step = 0; step < count; ++step) {
        at = (at + (previous ? count - 1 : 1)) % count;
        if (children[at] == start)
            break;
        if (Usable(children[at]) && test(*Find(children[at])))
            return children[at];
    }
    return found == children.end() ? nullptr : start;
}

// The next control of the group in which the arrow keys move. The dialogs here have no
// WS_GROUP control, so a group is the whole dialog.
HWND NextGroupItem(HWND dialog, HWND control, bool previous) {
    return NextChild(dialog, control, previous, [](const Window&) { return true; });
}

HWND DefaultButton(HWND dialog) {
    for (HWND child : ChildrenOf(dialog))
        if (DialogCode(child) & DLGC_DEFPUSHBUTTON)
            return child;
    return nullptr;
}

// The default style goes with the focus from push button to push button; the focus going
// to any other control gives it back to the button of the dialog's default id (measured under
// Wine: Tab from the last push button to the list shows "&Switch To" as the default again).
void MoveDefaultStyle(HWND dialog, HWND focused) {
    const HWND old = DefaultButton(dialog);
    LRESULT code = focused ? DialogCode(focused) : 0;
    if (focused && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        focused = GetDlgItem(dialog, Find(dialog)->defaultId);
        code = focused ? DialogCode(focused) : 0;
    }
    if (old && old != focused)
        SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (focused && (code & DLGC_UNDEFPUSHBUTTON))
        SendMessageW(focused, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// The mnemonic of a caption: the character after the first "&" that is not doubled.
char16_t MnemonicOf(const std::u16string& caption) {
    for (size_t at = caption.find(u'&'); at != std::u16string::npos && at + 1 < caption.size();
         at = caption.find(u'&', at + 2))
        if (caption[at + 1] != u'&')
            return caption[at + 1];
    return 0;
}

bool SameLetter(char16_t a, WPARAM b) {
    return std::towupper(static_cast<wint_t>(a)) == std::towupper(static_cast<wint_t>(b));
}

// A usable button whose mnemonic is the character clicks itself, looked for from the control
// that has the key onwards, in the dialog's order, wrapping.
bool TakeMnemonic(HWND dialog, HWND from, WPARAM character) {
    std::vector<HWND> order = ChildrenOf(dialog);
    const auto start = std::find(order.begin(), order.end(), from);
    if (start != order.end())
        std::rotate(order.begin(), start, order.end());
    for (HWND control : order) {
        if (!Usable(control) || !(DialogCode(control) & DLGC_BUTTON))
            continue;
        const char16_t mnemonic = MnemonicOf(Find(control)->text);
        if (mnemonic && SameLetter(mnemonic, character)) {
            SendMessageW(control, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

// Enter: a focused default push button is pressed itself; otherwise the dialog's default id,
// unless that control is disabled.
void PressDefault(HWND dialog) {
    const HWND focus = GetFocus();
    if (substitute::IsDescendant(dialog, focus) && (DialogCode(focus) & DLGC_DEFPUSHBUTTON)) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) == DC_HASDEFID) {
        const HWND button = GetDlgItem(dialog, LOWORD(defaultId));
        if (!button || IsWindowEnabled(button))
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        return;
    }
    SendMessageW(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// A key press the dialog takes itself: true when it did.
bool TakeKeyDown(HWND dialog, MSG* message) {
    const LRESULT code = DialogCode(message->hwnd, message->wParam, message);
    if (code & DLGC_WANTMESSAGE)
        return false;
    switch (message->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        SendMessageW(dialog, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS)
            return false;
        const bool previous = message->wParam == VK_LEFT || message->wParam == VK_UP;
        SendMessageW(dialog, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(NextGroupItem(dialog, message->hwnd, previous)), 1);
        return true;
    }
    case VK_ESCAPE:
        SendMessageW(dialog, WM_COMMAND, IDCANCEL,
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_RETURN:
        PressDefault(dialog);
        return true;
    default:
        return false;
    }
}

// The character a key makes, with or without Shift; 0 for a key that makes none.
char16_t CharacterOf(WPARAM key, bool shift) {
    switch (key) {
    case VK_BACK:
    case VK_TAB:
    case VK_ESCAPE:
    case VK_SPACE:
        return static_cast<char16_t>(key);
    case VK_RETURN:
        return u'\r';
    default:
        break;
    }
    if (key >= '0' && key <= '9')
        return static_cast<char16_t>(key);
    if (key >= 'A' && key <= 'Z')
        return static_cast<char16_t>(shift ? key : key - 'A' + 'a');
    return 0;
}

} // namespace

namespace substitute {

void FocusDialogControl(HWND control) {
    if (DialogCode(control) & DLGC_HASSETSEL)
        SendMessageW(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

bool DialogKeyProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Window* window = Find(dialog);
    result = 0;
    switch (message) {
    case WM_NEXTDLGCTL: {
        const HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                                   : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
        if (target)
            FocusDialogControl(target);
        if (Find(dialog))
            MoveDefaultStyle(dialog, target);
        return true;
    }
    case DM_GETDEFID:
        if (window->defaultId)
            result = MAKELONG(window->defaultId, DC_HASDEFID);
        else if (const HWND button = DefaultButton(dialog))
            result = MAKELONG(GetDlgCtrlID(button), DC_HASDEFID);
        return true;
    case DM_SETDEFID:
        window->defaultId = static_cast<int>(wParam);
        result = TRUE;
        return true;
    default:
        return false;
    }
}

} // namespace substitute

extern "C" {

short WINAPI GetKeyState(int virtualKey) {
    const BYTE state = KeyboardState()[virtualKey & 0xFF];
    return static_cast<short>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

BOOL WINAPI GetKeyboardState(BYTE* state) {
    if (!state)
        return FALSE;
    std::memcpy(state, KeyboardState(), 256);
    return TRUE;
}

BOOL WINAPI SetKeyboardState(BYTE* state) {
    if (!state)
        return FALSE;
    std::memcpy(KeyboardState(), state, 256);
    return TRUE;
}

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    return NextChild(dialog, control, previous != FALSE,
                     [](const Window& child) { return (child.style & WS_TABSTOP) != 0; });
}

// A key press makes its character as a message of its own, posted behind what is queued:
// WM_CHAR, or WM_SYSCHAR while Alt is held.
BOOL WINAPI TranslateMessage(const MSG* message) {
    if (!message || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN))
        return FALSE;
    const char16_t character = CharacterOf(message->wParam, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
    if (character)
        PostMessageW(message->hwnd, message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR,
                     character, message->lParam);
    return TRUE;
}

// Every message for the dialog or one of its controls counts as processed: the dialog takes
// Tab, the arrow keys (where the control does not want them), Escape, Enter and the
// mnemonics itself, and translates and dispatches the rest.
BOOL WINAPI IsDialogMessageW(HWND dialog, MSG* message) {
    if (!message || !Find(dialog))
        return FALSE;
    if (message->hwnd != dialog && !substitute::IsDescendant(dialog, message->hwnd))
        return FALSE;
    switch (message->message) {
    case WM_KEYDOWN:
        if (TakeKeyDown(dialog, message))
            return TRUE;
        break;
    case WM_CHAR: {
        const LRESULT code = DialogCode(message->hwnd, message->wParam, message);
        if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))
            break;
        if (message->wParam == u'\t' && (code & DLGC_WANTTAB))
            break;
        if (TakeMnemonic(dialog, message->hwnd, message->wParam))
            return TRUE;
        break;
    }
    case WM_SYSCHAR:
        if (TakeMnemonic(dialog, message->hwnd, message->wParam))
            return TRUE;
        break;
    default:
        break;
    }
    TranslateMessage(message);
    DispatchMessageW(message);
    return TRUE;
}
}
