// A staff list as the host keeps it: one 'SOIu' record for each entry of the list's item, in
// sub-number order. Staff lists belong to a part, so each call takes the part's records.
#pragma once

#include <cstdint>
#include <vector>

#include "simhost/documents/RecordStore.h"

// The distance between neighbouring staves of a list, downwards from the first.
constexpr int32_t kStaffGap = 288;

struct ListEntry {
    uint16_t staff;
    int32_t distance;
    bool operator==(const ListEntry& o) const { return staff == o.staff && distance == o.distance; }
};

// One entry's record.
Bytes StaffListEntry(uint16_t staff, int32_t distance);

std::vector<ListEntry> ReadStaffList(const RecordStore& partRecords, int16_t item);
// Replaces every entry of the list.
void WriteStaffList(RecordStore& partRecords, int16_t item, const std::vector<ListEntry>& list);
