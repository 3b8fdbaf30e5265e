// A collection of NKString objects: list-view rows and other lists of text.
#pragma once

#include "framework/core/NKCollection.h"
#include "framework/core/NKString.h"

// Holds only NKString elements by convention; nothing checks it.
class NKStrings : public __NKCollection {
public:
    const char* ClassName() const override;
};
