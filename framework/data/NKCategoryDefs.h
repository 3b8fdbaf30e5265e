// Every expression category of the document, in the host's order.
#pragma once

#include "framework/data/NKCategoryDef.h"
#include "framework/data/NKCollectionNoInciOther.h"

class NKCategoryDefs : public __NKCollectionNoInciOther {
public:
    const char* ClassName() const override;

    __NKBaseData* CreateElement() override;

    NKCategoryDef* ElementAt(int32_t index) const {
        return static_cast<NKCategoryDef*>(GetItemAt(index));
    }
};
