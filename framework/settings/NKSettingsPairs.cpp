#include "framework/settings/NKSettingsPairs.h"

const char* NKSettingsPairs::ClassName() const {
    return "NKSettingsPairs";
}

NKSettingsPair* NKSettingsPairs::FindPair(const NKString* key) const {
    for (int32_t i = 0; i < Count(); ++i) {
        NKSettingsPair* pair = ElementAt(i);
        if (pair != nullptr && KeysMatch(key, &pair->key)) {
            return pair;
        }
    }
    return nullptr;
}
