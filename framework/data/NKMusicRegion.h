// The region the user has selected in the score, as the host reports it in its 20-byte
// region record. Slots count from 1 within the staff list named beside them. A region whose
// start and end measures are both 0 is the empty selection.
#pragma once

#include <cstdint>

#include "framework/core/NKBase.h"

constexpr uint32_t kMusicRegionRecordSize = 20;

class NKMusicRegion : public __NKBase {
public:
    // The selection as the host reports it now: the first of the two region records the host
    // writes. The second one (the selected staves over whole measures, what a redraw takes)
    // goes to secondRecord, kMusicRegionRecordSize bytes, when it is not null.
    static NKMusicRegion CurrentSelection(void* secondRecord = nullptr);

    // Takes the fields from a region record of kMusicRegionRecordSize bytes.
    void ReadRecord(const void* bytes);
    // Writes the fields as a region record of kMusicRegionRecordSize bytes.
    void WriteRecord(void* bytes) const;

    bool IsEmpty() const { return startMeasure == 0 && endMeasure == 0; }

    // The same selection: the same start list, the same staves at both ends (slots are
    // compared through the staves they show, so the comparison asks the host), the same
    // measures and positions.
    virtual bool IsSameRegion(const NKMusicRegion* other) const;

    // The start list as the item number the host's list calls take: signed, since the
    // lists of staff sets lie below 0.
    int16_t StartListItem() const { return static_cast<int16_t>(startList); }

    uint16_t startList = 0;
    int16_t startSlot = 0;
    int16_t startMeasure = 0;
    int32_t startPosition = 0;
    uint16_t endList = 0;
    int16_t endSlot = 0;
    int16_t endMeasure = 0;
    int32_t endPosition = 0;
};
