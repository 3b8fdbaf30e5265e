#include "framework/core/NKUndoBlock.h"

#include <algorithm>

#include "framework/core/NKString.h"
#include "framework/core/NKUndoBlockHandler.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

namespace {
// The host takes undo names of up to 499 units.
constexpr uint32_t kUndoTextUnits = 499;
} // namespace

bool NKUndoBlock::Run(__NKUndoBlockHandler* handler, const NKString* undoText) {
    if (!handler || !undoText)
        return false;
    handler->undoBlock = this;
    int32_t started;
    if (HostUsesUtf16()) {
        char16_t text[kUndoTextUnits + 1];
        uint32_t units = std::min(undoText->Length(), kUndoTextUnits);
        std::copy(undoText->WideText(), undoText->WideText() + units, text);
        text[units] = 0;
        started = NX_StartVarluneEdit_UTF16(text);
    } else {
        started = NX_StartVarluneEdit(undoText->NarrowText());
    }
    // A refused start is not reported: the operation runs, and the bridge still counts the
    // edit as open, so the end or cancel below reaches the host.
    if (started == 0)
        handler->undoBlock = nullptr;

    insideExecute = 1;
    bool succeeded = handler->Execute();
    insideExecute = 0;
    // An end the host refuses would leave its edit open, and every later change of the user
    // would join it: the edit is taken back instead, and the operation has failed, unless no
    // edit was ever opened, when its changes stand as they were made.
    if (succeeded && NX_EndVarluneEdit() == 0) {
        NX_CancelVarluneEdit();
        succeeded = started == 0;
    } else if (!succeeded) {
        NX_CancelVarluneEdit();
    }
    handler->undoBlock = nullptr;
    return succeeded;
}
