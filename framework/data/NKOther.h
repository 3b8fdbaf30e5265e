// Base of the records addressed by item number.
#pragma once

#include "framework/data/NKBaseData.h"

class __NKOther : public __NKBaseData {
public:
    const char* ClassName() const override { return "__NKOther"; }
};
