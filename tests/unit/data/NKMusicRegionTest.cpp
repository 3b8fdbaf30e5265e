// The selected region: its record bytes and its comparison.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/data/NKMusicRegion.h"
#include "tests/unit/data/StaffTestSupport.h"

using namespace stafftest;

namespace {

NKMusicRegion Region(uint16_t startList, int16_t startSlot, uint16_t endList, int16_t endSlot) {
    NKMusicRegion region;
    region.startList = startList;
    region.startSlot = startSlot;
    region.startMeasure = 1;
    region.startPosition = 0;
    region.endList = endList;
    region.endSlot = endSlot;
    region.endMeasure = 4;
    region.endPosition = 1536;
    return region;
}

} // namespace

TEST(MusicRegion, RecordBytesRoundTrip) {
    const unsigned char record[kMusicRegionRecordSize] = {
        0xDB, 0xFF,             // start list -37 as the host writes it
        0x02, 0x00,             // start slot 2
        0x0C, 0x00,             // start measure 12
        0x00, 0x02, 0x00, 0x00, // start position 512
        0x00, 0x00,             // end list 0
        0xFF, 0xFF,             // end slot -1
        0x10, 0x00,             // end measure 16
        0x00, 0xFF, 0xFF, 0xFF, // end position -256
    };
    NKMusicRegion region;
    region.ReadRecord(record);
    EXPECT_EQ(0xFFDB, region.startList);
    EXPECT_EQ(2, region.startSlot);
    EXPECT_EQ(12, region.startMeasure);
    EXPECT_EQ(512, region.startPosition);
    EXPECT_EQ(0, region.endList);
    EXPECT_EQ(-1, region.endSlot);
    EXPECT_EQ(16, region.endMeasure);
    EXPECT_EQ(-256, region.endPosition);
    EXPECT_FALSE(region.IsEmpty());

    unsigned char out[kMusicRegionRecordSize + 4];
    std::memset(out, 0xAB, sizeof out);
    region.WriteRecord(out);
    EXPECT_EQ(0, std::memcmp(record, out, kMusicRegionRecordSize));
    for (size_t i = kMusicRegionRecordSize; i < sizeof out; ++i)
        EXPECT_EQ(0xAB, out[i]);

    EXPECT_TRUE(NKMusicRegion().IsEmpty());
}

TEST(MusicRegion, SameRegionComparesStavesThroughTheHost) {
    HostAt h(kHost12);
    WriteStaffList(h.Part(0), 0, {{5, 0}, {6, -288}, {7, -576}});
    WriteStaffList(h.Part(0), SetList(1), {{6, 0}, {7, -288}});
    const auto setList = static_cast<uint16_t>(SetList(1));

    NKMusicRegion whole = Region(0, 2, 0, 3);
    NKMusicRegion sameStaves = Region(0, 2, setList, 2); // slot 2 of set 1 is staff 7 too
    h.host.Log().Clear();
    EXPECT_TRUE(whole.IsSameRegion(&sameStaves));
    auto lookups = h.host.Log().CallsOf("NX_SlotToInst");
    ASSERT_EQ(4u, lookups.size());
    EXPECT_EQ(SetList(1), lookups[3].arguments[1]); // the item number, not its bit pattern

    // Same staff at the start, but counted in another list.
    NKMusicRegion otherList = Region(setList, 1, 0, 3);
    h.host.Log().Clear();
    EXPECT_FALSE(whole.IsSameRegion(&otherList));
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SlotToInst"));

    NKMusicRegion otherStart = Region(0, 1, 0, 3);
    NKMusicRegion otherEnd = Region(0, 2, 0, 2);
    NKMusicRegion otherMeasure = whole;
    otherMeasure.endMeasure = 5;
    NKMusicRegion otherPosition = whole;
    otherPosition.startPosition = 1;
    EXPECT_FALSE(whole.IsSameRegion(&otherStart));
    EXPECT_FALSE(whole.IsSameRegion(&otherEnd));
    EXPECT_FALSE(whole.IsSameRegion(&otherMeasure));
    EXPECT_FALSE(whole.IsSameRegion(&otherPosition));
    EXPECT_FALSE(whole.IsSameRegion(nullptr));
    EXPECT_TRUE(whole.IsSameRegion(&whole));
}
