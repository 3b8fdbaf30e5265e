// The callbacks a collection calls while it walks its elements. A visitor overrides only
// the ones its walk uses; the others answer as if every element were uninteresting.
#pragma once

#include "framework/core/NKBase.h"

class __NKVisitor : public __NKBase {
public:
    const char* ClassName() const override { return kClassName; }

    // Called by ForEach; false stops the walk at once.
    virtual bool Visit(__NKBase* /*element*/) { return true; }

    // Called by ForEachIndexed with the element's current index; false stops the walk.
    virtual bool VisitIndexed(__NKBase* /*element*/, int32_t /*index*/) { return true; }

    // Called by FindFirst; the first element answered with true is the one found.
    virtual bool Matches(__NKBase* /*element*/) { return false; }

private:
    // An inline member: one name object however many modules include this header.
    static constexpr char kClassName[] = "__NKVisitor";
};
