// Message boxes of the substitute layer: nobody is at a screen, so each box goes to a
// responder that the test or scenario sets, and every box shown is recorded.
//
// While the responder runs the box is "open" as a real modal box is (measured under Wine):
// the owner's top-level window is disabled (WM_ENABLE FALSE, losing the focus it held), and
// the box, a window of class "#32770" owned by it, is the active window, so the window that
// was active gets WM_ACTIVATE WA_INACTIVE. When the box closes, the owner is enabled again
// and becomes the active window, as on Windows: activation does not go back to a window the
// owner does not own. An owner that is no window (or none) is left alone.
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
    // The buttons, left to right, labelled as Wine's box labels them: "OK" for MB_OK,
    // "&Yes" and "&No" for MB_YESNO.
    std::vector<std::u16string> buttons;
};

// Answers a box while it is "open". Without a responder a question is answered No and a
// notice OK.
using MessageBoxResponder = std::function<int(const MessageBoxShown&)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

// What a box of this style answers to a key pressed while it is open, as Wine's box does:
// the button of the mnemonic, Enter and Space the default (first) button, Escape as measured
// there; 0 when the key does not close the box.
int MessageBoxAnswerToKey(UINT style, WORD virtualKey);

const std::vector<MessageBoxShown>& MessageBoxesShown();
void ClearMessageBoxes();

} // namespace substitute
