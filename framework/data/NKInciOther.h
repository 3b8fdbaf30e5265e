// Records numbered by sub-number under one item number, as the entries of a staff list.
#pragma once

#include "framework/data/NKOther.h"

class __NKInciOther : public __NKOther {
public:
    const char* ClassName() const override;
    bool Reload() override;

    virtual bool Load(int16_t item, int16_t sub);
    // Creates a new record under the item; the host assigns the next sub-number.
    virtual bool SaveNew(int16_t item);
};
