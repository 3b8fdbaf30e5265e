#include "framework/settings/NKSettingsPair.h"

namespace {

char16_t LowerAsciiLetter(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

} // namespace

NKSettingsPair::NKSettingsPair(const NKString* newKey, const NKString* newValue) {
    key.Assign(newKey);
    value.Assign(newValue);
    key.TrimBlanks();
    value.TrimBlanks();
}

void NKSettingsPair::SetValue(const NKString* newValue) {
    value.Assign(newValue);
}

bool KeysMatch(const NKString* searched, const NKString* candidate) {
    if (candidate == nullptr) {
        return false;
    }
    const uint32_t length = searched != nullptr ? searched->Length() : 0;
    if (candidate->Length() != length) {
        return false;
    }
    for (uint32_t i = 0; i < length; ++i) {
        if (NarrowByteOf(LowerAsciiLetter(searched->CharAt(i))) !=
            NarrowByteOf(LowerAsciiLetter(candidate->CharAt(i)))) {
            return false;
        }
    }
    return true;
}
