#include "framework/settings/NKSettingsPair.h"

NKSettingsPair::NKSettingsPair(const NKString* newKey, const NKString* newValue) {
    key.Assign(newKey);
    value.Assign(newValue);
    key.TrimBlanks();
    value.TrimBlanks();
}

void NKSettingsPair::SetValue(const NKString* newValue) {
    value.Assign(newValue);
}
