// The records of one item number, in sub-number order: a staff list is one.
#pragma once

#include "framework/data/NKCollectionData.h"
#include "framework/data/NKInciOther.h"

class __NKCollectionInciOther : public __NKCollectionData {
public:
    __NKInciOther* CreateElement() override = 0;

    // Deletes every record of the item from the host, from the highest sub-number down so
    // the lower ones stay valid while it runs. Sub-number 0 missing: nothing to delete. False
    // when a deletion fails, or when a record turns up after the ones counted (a load failed
    // while counting).
    virtual bool DeleteAllForItem(int16_t item);
    // Replaces the contents with the item's records 0, 1, 2, ... up to the first gap.
    virtual int32_t LoadAllForItem(int16_t item);
    // Makes the host's records of the item equal to the elements, numbered in their order.
    virtual bool SaveAllForItem(int16_t item);

    __NKInciOther* ElementAt(int32_t index) const {
        return static_cast<__NKInciOther*>(GetItemAt(index));
    }
};
