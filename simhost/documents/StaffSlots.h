// The slots of a staff list as the host counts them: the nth entry in sub-number order is
// slot n. The host answers slot questions from an index of one list, made again when the
// part's records have changed or another list is asked about: the real host does not read
// a list through for every question either (a selection of S staves asks S of them).
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "simhost/documents/RecordStore.h"

class StaffSlots {
public:
    // The staff in the slot, 0 for none.
    int32_t StaffIn(const RecordStore& partRecords, int16_t item, int32_t slot);
    // The slot of the staff's first entry, 0 for none.
    int32_t SlotOf(const RecordStore& partRecords, int16_t item, int32_t staff);

private:
    void Index(const RecordStore& partRecords, int16_t item);

    bool indexed_ = false;
    uint64_t revision_ = 0;
    int16_t item_ = 0;
    std::vector<int32_t> staves_;
    std::unordered_map<int32_t, int32_t> slots_;
};
