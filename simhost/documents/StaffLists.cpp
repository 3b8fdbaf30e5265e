#include "simhost/documents/StaffLists.h"

#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordFormats.h"
#include "simhost/documents/RecordTag.h"

namespace {

constexpr uint32_t kListTag = SimTag("SOIu");
constexpr size_t kStaffOffset = 0;
constexpr size_t kDistanceOffset = 8;

} // namespace

Bytes StaffListEntry(uint16_t staff, int32_t distance) {
    Bytes record(kStaffListEntrySize, 0);
    WriteLittleEndian16(record, kStaffOffset, staff);
    WriteLittleEndian32(record, kDistanceOffset, distance);
    return record;
}

std::vector<ListEntry> ReadStaffList(const RecordStore& partRecords, int16_t item) {
    std::vector<ListEntry> list;
    for (const auto& entry : partRecords.ItemRecords(kListTag, item))
        list.push_back({ReadLittleEndian16(entry.second, kStaffOffset),
                        ReadLittleEndian32(entry.second, kDistanceOffset)});
    return list;
}

void WriteStaffList(RecordStore& partRecords, int16_t item, const std::vector<ListEntry>& list) {
    for (const auto& old : partRecords.ItemRecords(kListTag, item))
        partRecords.Erase({kListTag, item, old.first});
    for (size_t i = 0; i < list.size(); ++i)
        partRecords.Put({kListTag, item, static_cast<int16_t>(i)},
                        StaffListEntry(list[i].staff, list[i].distance));
}
