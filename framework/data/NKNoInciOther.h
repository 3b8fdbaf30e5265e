// Records with one record per item number; the sub-number is always 0.
#pragma once

#include "framework/data/NKOther.h"

class __NKNoInciOther : public __NKOther {
public:
    const char* ClassName() const override;
    bool Reload() override;
    bool LoadFirst() override;

    virtual bool Load(int16_t item);
    virtual bool SaveAs(int16_t item);
    // Saves this record and the records that belong to it under that item number.
    virtual bool SaveAsDeep(int16_t item) { return SaveAs(item); }
    // Creates a new record; the host assigns the item number, which is then in the key.
    virtual bool SaveNew();
    virtual int16_t ItemNumber() const { return KeyItem(); }
};
