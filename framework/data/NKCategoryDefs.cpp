#include "framework/data/NKCategoryDefs.h"

#include <new>

const char* NKCategoryDefs::ClassName() const {
    return "NKCategoryDefs";
}

__NKBaseData* NKCategoryDefs::CreateElement() {
    return new (std::nothrow) NKCategoryDef();
}
