#include "platform/substitute/MessageBoxes.h"

#include "platform/substitute/Window.h"
#include "platform/substitute/WindowLifetime.h"

namespace {

struct MessageBoxState {
    substitute::MessageBoxResponder responder;
    std::vector<substitute::MessageBoxShown> shown;
};

MessageBoxState& State() {
    static MessageBoxState state;
    return state;
}

std::u16string Text(LPCWSTR text) {
    return text ? std::u16string(text) : std::u16string();
}

std::vector<std::u16string> ButtonsOf(UINT style) {
    if ((style & 0xF) == MB_YESNO)
        return {u"&Yes", u"&No"};
    return {u"OK"};
}

// The box's own window: no size and no controls, since the responder answers for its buttons.
HWND OpenBox(HWND owner, const std::u16string& caption) {
    substitute::Creation creation;
    creation.className = u"#32770";
    creation.text = caption;
    creation.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPSIBLINGS;
    creation.exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
    creation.parent = owner;
    const HWND box = substitute::CreateWindowObject(creation);
    ShowWindow(box, SW_SHOWNORMAL);
    return box;
}

} // namespace

namespace substitute {

void SetMessageBoxResponder(MessageBoxResponder responder) {
    State().responder = std::move(responder);
}

int MessageBoxAnswerToKey(UINT style, WORD virtualKey) {
    const bool yesNo = (style & 0xF) == MB_YESNO;
    switch (virtualKey) {
    case VK_RETURN:
    case VK_SPACE:
        return yesNo ? IDYES : IDOK;
    // Wine's box ends with IDCANCEL on Escape, with or without a Cancel button (Windows' own
    // Yes/No box ignores Escape, and its OK box answers IDOK).
    case VK_ESCAPE:
        return IDCANCEL;
    case 'Y':
        return yesNo ? IDYES : 0;
    case 'N':
        return yesNo ? IDNO : 0;
    default:
        return 0;
    }
}

const std::vector<MessageBoxShown>& MessageBoxesShown() {
    return State().shown;
}

void ClearMessageBoxes() {
    State().shown.clear();
}

} // namespace substitute

extern "C" int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
    substitute::MessageBoxShown box{owner, Text(caption), Text(text), style, ButtonsOf(style)};
    State().shown.push_back(box);

    const HWND top = substitute::TopLevelOf(owner);
    const bool disables = top && IsWindowEnabled(top);
    if (disables)
        EnableWindow(top, FALSE);
    const HWND window = OpenBox(top, box.caption);

    int answer = (style & 0xF) == MB_YESNO ? IDNO : IDOK;
    if (State().responder)
        answer = State().responder(box);

    if (disables && IsWindow(top))
        EnableWindow(top, TRUE);
    DestroyWindow(window);
    return answer;
}
