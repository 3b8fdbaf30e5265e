#include "framework/data/NKMusicRegion.h"

#include <cstring>

#include "framework/core/LittleEndian.h"
#include "shell/HostBridge.h"

void NKMusicRegion::ReadRecord(const void* bytes) {
    startList = ReadLE16(bytes, 0);
    startSlot = static_cast<int16_t>(ReadLE16(bytes, 2));
    startMeasure = static_cast<int16_t>(ReadLE16(bytes, 4));
    startPosition = static_cast<int32_t>(ReadLE32(bytes, 6));
    endList = ReadLE16(bytes, 10);
    endSlot = static_cast<int16_t>(ReadLE16(bytes, 12));
    endMeasure = static_cast<int16_t>(ReadLE16(bytes, 14));
    endPosition = static_cast<int32_t>(ReadLE32(bytes, 16));
}

void NKMusicRegion::WriteRecord(void* bytes) const {
    WriteLE16(bytes, 0, startList);
    WriteLE16(bytes, 2, static_cast<uint16_t>(startSlot));
    WriteLE16(bytes, 4, static_cast<uint16_t>(startMeasure));
    WriteLE32(bytes, 6, static_cast<uint32_t>(startPosition));
    WriteLE16(bytes, 10, endList);
    WriteLE16(bytes, 12, static_cast<uint16_t>(endSlot));
    WriteLE16(bytes, 14, static_cast<uint16_t>(endMeasure));
    WriteLE32(bytes, 16, static_cast<uint32_t>(endPosition));
}

namespace {

// The list fields hold record item numbers, which are signed: staff set lists have negative
// ones. The host gets the item number, not its unsigned 16-bit pattern widened.
int32_t StaffAt(int16_t slot, uint16_t list) {
    return NX_SlotToInst(slot, static_cast<int16_t>(list));
}

} // namespace

bool NKMusicRegion::IsSameRegion(const NKMusicRegion* other) const {
    if (!other || startList != other->startList)
        return false;
    if (StaffAt(startSlot, startList) != StaffAt(other->startSlot, other->startList))
        return false;
    if (StaffAt(endSlot, endList) != StaffAt(other->endSlot, other->endList))
        return false;
    return startMeasure == other->startMeasure && endMeasure == other->endMeasure &&
           startPosition == other->startPosition && endPosition == other->endPosition;
}

NKMusicRegion NKMusicRegion::CurrentSelection(void* secondRecord) {
    unsigned char value[4] = {}, selection[kMusicRegionRecordSize] = {},
                  second[kMusicRegionRecordSize] = {};
    NX_GetCurERegions(value, selection, second);
    if (secondRecord)
        std::memcpy(secondRecord, second, kMusicRegionRecordSize);
    NKMusicRegion region;
    region.ReadRecord(selection);
    return region;
}
