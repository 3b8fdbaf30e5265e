// A collection of record objects of one concrete class, loaded from and saved to the host.
#pragma once

#include "framework/core/NKCollection.h"
#include "framework/data/NKBaseData.h"

class __NKCollectionData : public __NKCollection {
public:
    // A new, empty element of the collection's element class.
    virtual __NKBaseData* CreateElement() = 0;
    // Replaces the contents with every record of the element type; returns the count.
    virtual int32_t LoadAll();
    // Saves every element under its own key; stops at the first failure.
    virtual bool SaveAll();

    __NKBaseData* ElementAt(int32_t index) const {
        return static_cast<__NKBaseData*>(GetItemAt(index));
    }

    // 0: the elements use their class tag. Copied into every element before it is loaded or
    // saved.
    uint32_t tagOverride = 0;

protected:
    // Adds a copy of the loaded record: same class, whole key, tag and data.
    bool AddCopyOf(const __NKBaseData& loaded);
};
