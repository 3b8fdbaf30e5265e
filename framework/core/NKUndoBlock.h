// Runs one handler inside one host edit, so the host records the change as a single undo
// step with a readable name, and discards it when the handler fails.
#pragma once

#include <cstdint>

#include "framework/core/NKBase.h"

class NKString;
class __NKUndoBlockHandler;

class NKUndoBlock : public __NKBase {
public:
    // The handler's result, or false when the host refused to end the edit it opened (the edit
    // is then cancelled); false, with nothing done, when either argument is null.
    bool Run(__NKUndoBlockHandler* handler, const NKString* undoText);

    bool InsideExecute() const { return insideExecute != 0; }

private:
    uint8_t insideExecute = 0;
};
