// The queries the panel makes of a staff set: whether it exists, its name text, the ends of
// a staff list and a staff's display name. The set queries read with the score itself
// (part 0) current; the rows of the list are put together from them by StaffSetOverview.
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
// The set's name; "(No Name)" for a set without one (the empty text when emptyForNoName);
// "-" when the set does not exist.
void SetNameText(NKString* target, int32_t set, bool emptyForNoName);
// A staff's display name; "Staff #<n>" when the staff has none.
void StaffDisplayText(NKString* target, int16_t staff);
