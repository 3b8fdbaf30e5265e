// The queries the panel makes of a staff set: whether it exists, its name text, the ends of
// a staff list and a staff's display name. The set queries read with the score itself
// (part 0) current; StaffSetOverview puts the list's rows together from them.
#pragma once

#include <cstdint>

class NKString;

// The number of entries of a staff list and the staves of its first and last entry (0 when
// it has none), read with whatever part is current and without the entries' size records.
struct StaffListEnds {
    int32_t count = 0;
    int16_t first = 0;
    int16_t last = 0;
};
StaffListEnds ReadStaffListEnds(int16_t item);

bool SetExists(int32_t set);

// Where a set's name is shown. The list marks a slot without a set with "-" and a set
// without a name with "(No Name)"; the name field, where the user types a name, shows the
// empty text for both.
enum class NameShownIn { kList, kNameField };
// The list's texts for a slot without a set (in each of its columns) and for a set without a
// name; the list's rows and the name text share them.
constexpr const char* kNoSetText = "-";
constexpr const char* kUnnamedSetText = "(No Name)";
// The set's name text as shown there. The first form asks the document whether the set
// exists; the second takes what SetExists has just answered for it.
void SetNameText(NKString* target, int32_t set, NameShownIn where);
void SetNameText(NKString* target, int32_t set, bool setExists, NameShownIn where);
// A staff's display name; "Staff #<n>" when the staff has none.
void StaffDisplayText(NKString* target, int16_t staff);
