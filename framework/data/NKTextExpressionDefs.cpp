#include "framework/data/NKTextExpressionDefs.h"

#include <new>

const char* NKTextExpressionDefs::ClassName() const {
    return "NKTextExpressionDefs";
}

__NKBaseData* NKTextExpressionDefs::CreateElement() {
    return new (std::nothrow) NKTextExpressionDef();
}
