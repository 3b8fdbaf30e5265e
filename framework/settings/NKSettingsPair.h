// One key and its value, as a line "key=value" of a preference file holds them.
#pragma once

#include "framework/core/NKBase.h"
#include "framework/core/NKString.h"

// Reports the root's class name: it has none of its own.
class NKSettingsPair : public __NKBase {
public:
    // Copies both, a null one as the empty text, and trims blanks (space, tab, CR, LF) from
    // both ends of each.
    NKSettingsPair(const NKString* key, const NKString* value);

    // Replaces the value with a copy, as it is: nothing is trimmed. Null gives an empty value.
    void SetValue(const NKString* newValue);

    NKString key;
    NKString value;
};

// True when the keys are the same text once A to Z are made a to z, whatever locale the
// host runs in, each unit as the narrow view shows it. A null candidate matches nothing; a
// null searched key is the empty key.
bool KeysMatch(const NKString* searched, const NKString* candidate);
