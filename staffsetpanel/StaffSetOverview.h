// What the panel's list shows of all staves and the eight staff sets, read from the document
// in one pass: the score part made current once, each staff list read once without its size
// records (a count and the two edge staves need none), the name definitions read once for
// all sets, and each edge staff's name made once. The list reads it on every refresh, and
// only the counts on every timer tick.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "staffsetpanel/StaffSetQueries.h"

// Row 0 for all staves of the score, rows 1 to 8 for the staff sets.
constexpr int32_t kOverviewRows = 9;

struct StaffSetSummary {
    int32_t count = 0; // staves in the list; 0 for a set that does not exist
    NKString name;     // the set's name, "(No Name)", or "-" for no set; empty for row 0
    NKString top;      // display name of the first staff, or "-"; empty for row 0
    NKString bottom;   // display name of the last staff, or "-"; empty for row 0
};

class StaffSetOverview {
public:
    // The lists of every row, in row order: their counts and edge staves.
    static void ReadLists(StaffListEnds lists[kOverviewRows]);

    // Reads everything the rows show.
    void Read();
    // The same from lists read a moment ago (by ReadLists), so that they are not read twice.
    void Describe(const StaffListEnds lists[kOverviewRows]);
    // Reads what one set's row (1 to 8) shows, and nothing of the other rows (they stay
    // empty).
    void ReadRow(int32_t set);
    const StaffSetSummary& Row(int32_t row) const { return rows_[row]; }

private:
    void DescribeSets(const StaffListEnds ends[kOverviewRows], int32_t firstSet, int32_t lastSet);

    StaffSetSummary rows_[kOverviewRows];
};
