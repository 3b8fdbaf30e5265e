#include "platform/substitute/MessageBoxes.h"

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

} // namespace

namespace substitute {

void SetMessageBoxResponder(MessageBoxResponder responder) {
    State().responder = std::move(responder);
}

const std::vector<MessageBoxShown>& MessageBoxesShown() {
    return State().shown;
}

void ClearMessageBoxes() {
    State().shown.clear();
}

} // namespace substitute

extern "C" int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
    substitute::MessageBoxShown box{owner, Text(caption), Text(text), style};
    State().shown.push_back(box);
    if (State().responder)
        return State().responder(box);
    return (style & 0xF) == MB_YESNO ? IDNO : IDOK;
}

// The substitute has no windows of its own yet: any handle a host passes counts as one.
extern "C" BOOL WINAPI IsWindow(HWND window) {
    return window != nullptr;
}
