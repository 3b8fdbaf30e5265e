// Staff list entries, their companion records and the part their lists belong to.
#include <gtest/gtest.h>

#include "framework/data/NKPart.h"
#include "framework/data/NKSystemStaves.h"
#include "tests/unit/data/StaffTestSupport.h"

using namespace stafftest;

namespace {

constexpr uint32_t kList = SimTag("SOIu");
constexpr uint32_t kCompanion = SimTag("dtLP");

} // namespace

TEST(SystemStaff, ListsAreReadFromTheCurrentPart) {
    HostAt h(kHost12);
    WriteStaffList(h.Part(0), SetList(1), {{1, 0}, {2, -288}, {3, -576}});
    WriteStaffList(h.Part(4), SetList(1), {{7, 0}});
    ASSERT_TRUE(h.doc.SetCurrentPart(4));

    NKSystemStaves partList;
    ASSERT_EQ(1, partList.LoadAllForItem(SetList(1)));
    EXPECT_EQ(7, partList.StaffAt(0)->StaffNumber());

    NKPart score(0);
    score.SwitchTo();
    NKSystemStaves scoreList;
    ASSERT_EQ(3, scoreList.LoadAllForItem(SetList(1)));
    EXPECT_EQ(2, scoreList.StaffAt(1)->StaffNumber());
    EXPECT_EQ(-576, scoreList.StaffAt(2)->Distance());
    scoreList.RemoveAt(0);
    ASSERT_TRUE(scoreList.SaveAllForItem(SetList(1)));
    score.SwitchBack();

    EXPECT_EQ(4, h.doc.CurrentPart());
    EXPECT_EQ((std::vector<ListEntry>{{2, -288}, {3, -576}}), ReadStaffList(h.Part(0), SetList(1)));
    EXPECT_EQ((std::vector<ListEntry>{{7, 0}}), ReadStaffList(h.Part(4), SetList(1)));
}

TEST(SystemStaff, CompanionValueIsReadForStaffSetListsOnly) {
    HostAt h(kHost12);
    RecordStore& part = h.Part(0);
    WriteStaffList(part, SetList(2), {{4, 0}, {5, -300}, {6, -600}});
    part.Put({kCompanion, SetList(2), 4}, StaffPercentRecord(75));
    part.Put({kCompanion, SetList(2), 5}, StaffPercentRecord(-5));
    WriteStaffList(part, 0, {{4, 0}});
    part.Put({kCompanion, 0, 4}, StaffPercentRecord(60));

    NKSystemStaff entry;
    ASSERT_TRUE(entry.Load(SetList(2), 0));
    EXPECT_EQ(75, entry.staffPercent);
    ASSERT_TRUE(entry.Load(SetList(2), 1));
    EXPECT_EQ(-5, entry.staffPercent);
    ASSERT_TRUE(entry.Load(SetList(2), 2));
    EXPECT_EQ(100, entry.staffPercent);

    h.host.Log().Clear();
    ASSERT_TRUE(entry.Load(0, 0));
    EXPECT_EQ(100, entry.staffPercent);
    EXPECT_EQ(1u, h.host.Log().CountOf("NX_LoadEData"));

    // A companion the host cannot give does not fail the entry.
    h.host.FailCall({"NX_LoadEData"}, 2);
    ASSERT_TRUE(entry.Load(SetList(2), 0));
    EXPECT_EQ(100, entry.staffPercent);

    // Copies carry the value, except from the main list, whose entries have none.
    ASSERT_TRUE(entry.Load(SetList(2), 0));
    NKSystemStaff copy;
    copy.CopyDataFrom(&entry);
    EXPECT_EQ(75, copy.staffPercent);
    EXPECT_EQ(4, copy.StaffNumber());
    ASSERT_TRUE(entry.Load(0, 0));
    entry.staffPercent = 60;
    copy.CopyDataFrom(&entry);
    EXPECT_EQ(100, copy.staffPercent);
}

TEST(SystemStaff, SavesWriteOrRemoveTheCompanion) {
    HostAt h(kHost12);
    RecordStore& part = h.Part(0);
    WriteStaffList(part, SetList(3), {{4, 0}, {5, -300}});
    part.Put({kCompanion, SetList(3), 4}, StaffPercentRecord(75));

    NKSystemStaff entry;
    ASSERT_TRUE(entry.Load(SetList(3), 0));
    entry.staffPercent = 100;
    ASSERT_TRUE(entry.Save());
    EXPECT_EQ(nullptr, part.Find({kCompanion, SetList(3), 4}));

    ASSERT_TRUE(entry.Load(SetList(3), 1));
    entry.staffPercent = 75;
    ASSERT_TRUE(entry.SaveNew(SetList(4)));
    EXPECT_EQ(0, entry.KeySub());
    EXPECT_EQ(StaffPercentRecord(75), *part.Find({kCompanion, SetList(4), 5}));
    EXPECT_EQ((std::vector<ListEntry>{{5, -300}}), ReadStaffList(part, SetList(4)));

    // Only the low 16 bits are stored.
    entry.staffPercent = 0x12345;
    ASSERT_TRUE(entry.Save());
    EXPECT_EQ(0x2345, ReadLittleEndian16(*part.Find({kCompanion, SetList(4), 5}), 0));

    // The entry is written even when its companion is not; the save still fails.
    entry.SetDistance(-1000);
    entry.staffPercent = 50;
    h.host.FailCall({"NX_SaveEData"}, 2);
    EXPECT_FALSE(entry.Save());
    EXPECT_EQ(-1000, ReadLittleEndian32(*part.Find({kList, SetList(4), 0}), 8));
    EXPECT_EQ(0x2345, ReadLittleEndian16(*part.Find({kCompanion, SetList(4), 5}), 0));

    // A refused entry leaves the companion alone.
    h.host.FailCall({"NX_SaveEData"}, 1);
    EXPECT_FALSE(entry.Save());
    EXPECT_EQ(0x2345, ReadLittleEndian16(*part.Find({kCompanion, SetList(4), 5}), 0));

    // The main list has no companions to remove.
    NKSystemStaff mainEntry;
    mainEntry.SetStaffNumber(4);
    h.host.Log().Clear();
    ASSERT_TRUE(mainEntry.SaveNew(0));
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_DeleteEData"));
    EXPECT_EQ((std::vector<ListEntry>{{4, 0}}), ReadStaffList(part, 0));
}

TEST(SystemStaff, ListRoundTripCarriesEntryBytesAndNothingElse) {
    HostAt h(kHost12);
    RecordStore& part = h.Part(0);
    Bytes first = StaffListEntry(2, 0);
    for (size_t i = 12; i < 24; ++i)
        first[i] = static_cast<unsigned char>(0xE0 + i);
    first[3] = 0x44;
    Bytes shortEntry = StaffListEntry(3, -288);
    shortEntry.resize(16);
    part.Put({kList, SetList(1), 0}, first);
    part.Put({kList, SetList(1), 1}, shortEntry);

    NKSystemStaves list;
    ASSERT_EQ(2, list.LoadAllForItem(SetList(1)));
    ASSERT_TRUE(list.SaveAllForItem(SetList(2)));
    EXPECT_EQ(first, *part.Find({kList, SetList(2), 0}));
    // The short entry must not inherit the bytes the first one left behind.
    Bytes padded = shortEntry;
    padded.resize(24, 0);
    EXPECT_EQ(padded, *part.Find({kList, SetList(2), 1}));
}

TEST(SystemStaves, FindStaffGivesTheFirstEntryForTheStaff) {
    HostAt h(kHost12);
    NKSystemStaves list;
    EXPECT_EQ(nullptr, list.FindStaff(5));
    WriteStaffList(h.Part(0), SetList(1), {{5, 0}, {8, -288}, {5, -576}});
    ASSERT_EQ(3, list.LoadAllForItem(SetList(1)));
    EXPECT_EQ(list.StaffAt(0), list.FindStaff(5));
    EXPECT_EQ(list.StaffAt(1), list.FindStaff(8));
    EXPECT_EQ(nullptr, list.FindStaff(9));
    EXPECT_EQ(nullptr, list.FindStaff(0));
}
