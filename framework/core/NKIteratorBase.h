// The traversal contract shared by the framework's collections.
#pragma once

#include "framework/core/NKBase.h"

class __NKVisitor;

class __NKIteratorBase : public __NKBase {
public:
    // Each returns the number of elements for which the visitor answered true.
    virtual int32_t ForEach(__NKVisitor* visitor) = 0;
    // The first element the visitor matches, or null.
    virtual __NKBase* FindFirst(__NKVisitor* visitor) = 0;
    virtual int32_t ForEachIndexed(__NKVisitor* visitor) = 0;
};
