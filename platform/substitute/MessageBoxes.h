// Message boxes of the substitute layer: nobody is at a screen, so each box goes to a
// responder that the test or scenario sets, and every box shown is recorded.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace substitute {

struct MessageBoxShown {
    HWND owner;
    std::u16string caption;
    std::u16string text;
    UINT style;
};

// Answers a box while it is "open". Without a responder a question is answered No and a
// notice OK.
using MessageBoxResponder = std::function<int(const MessageBoxShown&)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

const std::vector<MessageBoxShown>& MessageBoxesShown();
void ClearMessageBoxes();

} // namespace substitute
