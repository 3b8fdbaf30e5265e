// An operation that changes the document; an NKUndoBlock runs it inside one host edit.
#pragma once

#include "framework/core/NKBase.h"

class NKUndoBlock;

class __NKUndoBlockHandler : public __NKBase {
public:
    // Makes the change; true on success. False makes the running block cancel the edit.
    virtual bool Execute() = 0;

    // The block running this handler, null outside a run. Not owned.
    NKUndoBlock* undoBlock = nullptr;
};
