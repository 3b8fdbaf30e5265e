#include "simhost/documents/StaffSlots.h"

#include "simhost/documents/StaffLists.h"

void StaffSlots::Index(const RecordStore& partRecords, int16_t item) {
    if (indexed_ && revision_ == partRecords.Revision() && item_ == item)
        return;
    staves_.clear();
    slots_.clear();
    for (const ListEntry& entry : ReadStaffList(partRecords, item)) {
        staves_.push_back(entry.staff);
        slots_.emplace(entry.staff, static_cast<int32_t>(staves_.size()));
    }
    indexed_ = true;
    revision_ = partRecords.Revision();
    item_ = item;
}

int32_t StaffSlots::StaffIn(const RecordStore& partRecords, int16_t item, int32_t slot) {
    Index(partRecords, item);
    if (slot < 1 || slot > static_cast<int32_t>(staves_.size()))
        return 0;
    return staves_[static_cast<size_t>(slot - 1)];
}

int32_t StaffSlots::SlotOf(const RecordStore& partRecords, int16_t item, int32_t staff) {
    Index(partRecords, item);
    auto found = slots_.find(staff);
    return found == slots_.end() ? 0 : found->second;
}
