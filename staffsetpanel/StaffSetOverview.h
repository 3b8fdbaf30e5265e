// What the panel's list shows of all staves and the eight staff sets. One pass reads every
// row's staff list into a value, ListEndsOfRows, without the size records (a count and the
// two edge staves need none). On every timer tick the panel compares the list's counts with
// a fresh reading, and when they differ it describes the rows from that same reading.
// Describing reads what the lists do not hold: the name definitions once for all sets, and
// each edge staff's name once.
#pragma once

#include <array>
#include <cstdint>

#include "framework/core/NKString.h"
#include "staffsetpanel/StaffSetQueries.h"
#include "staffsetpanel/StaffSetSlots.h"

// The ends of the staff list of each row of the list, in row order.
using ListEndsOfRows = std::array<StaffListEnds, kStaffSetRows>;
// Every row's list, read with the score current.
ListEndsOfRows ReadListEndsOfRows();

struct StaffSetSummary {
    int32_t count = 0; // staves in the list; 0 for a set that does not exist
    NKString name;     // the set's name, "(No Name)", or "-" for no set; empty for row 0
    NKString top;      // display name of the first staff, or "-"; empty for row 0
    NKString bottom;   // display name of the last staff, or "-"; empty for row 0
};

class StaffSetOverview {
public:
    // What every row shows, from the lists read a moment ago.
    void Describe(const ListEndsOfRows& lists);
    // Reads what one set's row (1 to 8) shows, and nothing of the other rows (they stay
    // empty).
    void ReadRow(int32_t set);
    const StaffSetSummary& Row(int32_t row) const { return rows_[row]; }

private:
    void DescribeSets(const ListEndsOfRows& lists, int32_t firstSet, int32_t lastSet);

    std::array<StaffSetSummary, kStaffSetRows> rows_;
};
