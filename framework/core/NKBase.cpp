#include "framework/core/NKBase.h"

#include <cstring>

const char* __NKBase::ClassName() const {
    return "__NKBase";
}

__NKBase::~__NKBase() = default;

bool __NKBase::IsIdentical(const __NKBase* other) const {
    if (other == nullptr) {
        return false;
    }
    // Compared by content: the same literal need not have one address in every module.
    return std::strcmp(ClassName(), other->ClassName()) == 0;
}
