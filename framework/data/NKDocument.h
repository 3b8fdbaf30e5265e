// Which document was current when the object was made, so that a window can notice that the
// user switched documents by comparing documentId with the host's current one.
#pragma once

#include <cstdint>

#include "framework/core/NKBase.h"

class NKDocument : public __NKBase {
public:
    NKDocument();

    // The same document, whatever the other object's exact class; false for an object that
    // is not a document at all.
    bool IsIdentical(const __NKBase* other) const override;

    int16_t documentId;
    int16_t reserved = 0; // always 0; nothing reads it
};
