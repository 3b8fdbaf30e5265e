// The pairs of a preference file, in the file's order, owned.
#pragma once

#include "framework/core/NKCollection.h"
#include "framework/settings/NKSettingsPair.h"

// Holds only NKSettingsPair elements by convention. A key that occurs several times stays
// several elements.
class NKSettingsPairs : public __NKCollection {
public:
    const char* ClassName() const override;

    NKSettingsPair* ElementAt(int32_t index) const {
        return static_cast<NKSettingsPair*>(GetItemAt(index));
    }

    // The first element whose key matches (KeysMatch, with key as the searched one), or
    // null. The element stays the collection's.
    NKSettingsPair* FindPair(const NKString* key) const;
};
