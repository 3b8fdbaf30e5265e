// The document's text expression definitions, numbered 1, 2, 3, ... up to the first missing
// number.
#pragma once

#include "framework/data/NKCollectionNoInciOther.h"
#include "framework/data/NKTextExpressionDef.h"

class NKTextExpressionDefs : public __NKCollectionNoInciOther {
public:
    const char* ClassName() const override;

    __NKBaseData* CreateElement() override;

    NKTextExpressionDef* ElementAt(int32_t index) const {
        return static_cast<NKTextExpressionDef*>(GetItemAt(index));
    }
};
