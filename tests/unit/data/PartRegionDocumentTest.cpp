// Parts made current and restored, the selected region and its comparison, and the document
// a window belongs to.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/NKString.h"
#include "framework/data/NKDocument.h"
#include "framework/data/NKMusicRegion.h"
#include "framework/data/NKPart.h"
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

TEST(Part, SwitchToAndSwitchBackRestoreThePartThatWasCurrent) {
    HostAt h(kHost12);
    h.doc.PartRecords(3);
    h.doc.PartRecords(5);
    ASSERT_TRUE(h.doc.SetCurrentPart(3));

    NKPart current(kCurrentPart);
    NKPart five(5);
    ASSERT_TRUE(h.doc.SetCurrentPart(0));
    EXPECT_EQ(3, current.PartId()); // taken when made, not when switched to
    EXPECT_EQ(h.doc.Id(), five.DocumentId());

    h.host.Log().Clear();
    five.SwitchBack();
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SetCurrentPartID"));
    EXPECT_EQ(0, h.doc.CurrentPart());

    five.SwitchTo();
    EXPECT_EQ(5, h.doc.CurrentPart());
    ASSERT_TRUE(h.doc.SetCurrentPart(3));
    five.SwitchTo(); // a switch is in effect: neither switches nor forgets part 0
    EXPECT_EQ(3, h.doc.CurrentPart());
    five.SwitchBack();
    EXPECT_EQ(0, h.doc.CurrentPart());
    EXPECT_FALSE(five.IsSwitched());

    h.host.Log().Clear();
    five.SwitchBack();
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SetCurrentPartID"));

    current.SwitchTo();
    EXPECT_EQ(3, h.doc.CurrentPart());
    current.SwitchBack();
    EXPECT_EQ(0, h.doc.CurrentPart());
}

TEST(Part, PartsOfAnotherDocumentAreLeftAlone) {
    HostAt h(kHost12);
    SimDocument& second = h.host.AddDocument("u");
    h.doc.PartRecords(5);
    second.PartRecords(5);
    NKPart five(5);

    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    h.host.Log().Clear();
    five.SwitchTo();
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SetCurrentPartID"));
    EXPECT_EQ(0, second.CurrentPart());
    EXPECT_FALSE(five.IsSwitched());

    ASSERT_TRUE(h.host.SwitchToDocument(h.doc.Id()));
    five.SwitchTo();
    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    five.SwitchBack(); // the other document keeps its part, and the switch stays pending
    EXPECT_EQ(0, second.CurrentPart());
    EXPECT_TRUE(five.IsSwitched());
    ASSERT_TRUE(h.host.SwitchToDocument(h.doc.Id()));
    EXPECT_EQ(5, h.doc.CurrentPart());
    five.SwitchBack();
    EXPECT_EQ(0, h.doc.CurrentPart());
}

TEST(Part, IdenticalMeansTheSamePartOfTheSameDocument) {
    HostAt h(kHost12);
    SimDocument& second = h.host.AddDocument("u");
    NKPart a(2);
    NKPart b(2);
    NKPart other(3);
    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    NKPart elsewhere(2);
    NKDocument document;

    EXPECT_STREQ("NKPart", a.ClassName());
    EXPECT_TRUE(a.IsIdentical(&b));
    EXPECT_FALSE(a.IsIdentical(&other));
    EXPECT_FALSE(a.IsIdentical(&elsewhere));
    EXPECT_FALSE(a.IsIdentical(&document));
    EXPECT_FALSE(a.IsIdentical(nullptr));
}

TEST(Document, RemembersTheDocumentCurrentWhenMade) {
    HostAt h(kHost12);
    SimDocument& second = h.host.AddDocument("u");
    NKDocument first;
    NKDocument again;
    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    NKDocument later;

    EXPECT_EQ(h.doc.Id(), first.documentId);
    EXPECT_EQ(second.Id(), later.documentId);
    EXPECT_TRUE(first.IsIdentical(&again));
    EXPECT_FALSE(first.IsIdentical(&later));
    EXPECT_FALSE(first.IsIdentical(nullptr));
    // Not a document at all, even if something in it happened to line up.
    NKString text("x");
    EXPECT_FALSE(first.IsIdentical(&text));
}

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
