// What the panel's list shows of a staff set: whether it exists, its stave count, its name
// text and the names of its top and bottom staff. Every query reads with the score itself
// (part 0) current. Set 0 stands for all staves of the score where a query takes it.
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
int32_t CountStaves(int32_t set);
// The set's name; "(No Name)" for a set without one (the empty text when emptyForNoName);
// "-" when the set does not exist.
void SetNameText(NKString* target, int32_t set, bool emptyForNoName);
// The display names of the set's first and last staff, or "-".
void EdgeStaffTexts(NKString* top, NKString* bottom, int32_t set);
// A staff's display name; "Staff #<n>" when the staff has none.
void StaffDisplayText(NKString* target, int16_t staff);
