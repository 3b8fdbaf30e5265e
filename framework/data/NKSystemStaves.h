// A staff list: the NKSystemStaff entries of one item number, in list order. It is read with
// LoadAllForItem, edited in memory and written back whole with SaveAllForItem.
#pragma once

#include <cstdint>

#include "framework/data/NKCollectionInciOther.h"
#include "framework/data/NKSystemStaff.h"

class NKMusicRegion;

class NKSystemStaves : public __NKCollectionInciOther {
public:
    const char* ClassName() const override;
    NKSystemStaff* CreateElement() override;

    // The first entry, in index order, for that staff; null when there is none.
    NKSystemStaff* FindStaff(int16_t staff) const;

    // The entries of the region's start list whose slots lie inside the region, in list
    // order; returns their number.
    int32_t LoadAllInRegion(const NKMusicRegion& region);

    // Null for an index out of range or an element of another class.
    NKSystemStaff* StaffAt(int32_t index) const {
        return dynamic_cast<NKSystemStaff*>(GetItemAt(index));
    }
};
