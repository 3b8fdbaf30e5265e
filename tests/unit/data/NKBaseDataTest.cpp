// The record base classes as the concrete staff classes use them: loading, saving, enumerating
// and replacing records through the simulated host's record store, and their guards against
// hosts that misbehave or change under them.
#include <gtest/gtest.h>

#include <memory>

#include "framework/core/NKString.h"
#include "framework/data/NKCategoryDefs.h"
#include "framework/data/NKCollectionNoInciOther.h"
#include "framework/data/NKStaff.h"
#include "framework/data/NKSystemStaves.h"
#include "shell/EntryPoints.h"
#include "simhost/documents/SampleScore.h"
#include "tests/support/FreshModule.h"
#include "tests/unit/data/StaffTestSupport.h"

using namespace stafftest;

namespace {

class Staves : public __NKCollectionNoInciOther {
public:
    NKStaff* CreateElement() override { return new NKStaff; }
    NKStaff* At(int32_t i) const { return static_cast<NKStaff*>(GetItemAt(i)); }
};

constexpr uint32_t kList = SimTag("SOIu");

std::vector<uint16_t> StaffNumbers(const NKSystemStaves& list) {
    std::vector<uint16_t> numbers;
    for (int32_t i = 0; i < list.Count(); ++i)
        numbers.push_back(static_cast<uint16_t>(list.StaffAt(i)->StaffNumber()));
    return numbers;
}

std::vector<int16_t> SubNumbers(const RecordStore& store, uint32_t tag, int16_t item) {
    std::vector<int16_t> subs;
    for (const auto& record : store.ItemRecords(tag, item))
        subs.push_back(record.first);
    return subs;
}

} // namespace

TEST(RecordBase, ObjectsWithoutDataNeverReachTheHostWithASave) {
    HostAt h(kHost12);
    EXPECT_EQ(0, Staves().LoadAll());
    NKSystemStaves emptyList;
    EXPECT_EQ(0, emptyList.LoadAllForItem(SetList(1)));
    h.host.Log().Clear();

    NKStaff fresh;
    EXPECT_FALSE(fresh.Save());
    EXPECT_FALSE(fresh.SaveNew());
    EXPECT_EQ(0u, h.host.Log().Calls().size());

    // A load that fails after a good one leaves nothing to write back.
    h.PutStaff(4, "Flute");
    NKStaff staff;
    ASSERT_TRUE(staff.Load(4));
    h.host.FailCall({"NX_LoadEData"}, 1);
    EXPECT_FALSE(staff.Reload());
    h.host.Log().Clear();
    EXPECT_FALSE(staff.Save());
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SaveEData"));
}

TEST(RecordBase, LoadAllGivesEveryElementItsOwnRecordToSaveBackTo) {
    HostAt h(kHost12);
    for (int16_t staff : {2, 5, 9})
        h.PutStaff(staff, "Viola");
    Staves staves;
    ASSERT_EQ(3, staves.LoadAll());
    const int16_t items[] = {2, 5, 9};
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i], staves.At(i)->KeyItem());
        EXPECT_EQ(0, staves.At(i)->KeySub());
        staves.At(i)->Data()[40] = static_cast<unsigned char>(0x50 + i);
    }
    ASSERT_TRUE(staves.SaveAll());
    EXPECT_EQ(0x50, h.Records().Find({SimTag("SOIS"), 2, 0})->at(40));
    EXPECT_EQ(0x51, h.Records().Find({SimTag("SOIS"), 5, 0})->at(40));
    EXPECT_EQ(0x52, h.Records().Find({SimTag("SOIS"), 9, 0})->at(40));
    EXPECT_EQ(3u, h.Records().AddressesOf(SimTag("SOIS")).size());

    // SaveAll stops at the first element the host refuses.
    h.host.FailCall({"NX_SaveEData"}, 2);
    staves.At(0)->Data()[40] = 0x60;
    staves.At(2)->Data()[40] = 0x62;
    h.host.Log().Clear();
    EXPECT_FALSE(staves.SaveAll());
    EXPECT_EQ(2u, h.host.Log().CountOf("NX_SaveEData"));
    EXPECT_EQ(0x60, h.Records().Find({SimTag("SOIS"), 2, 0})->at(40));
    EXPECT_EQ(0x52, h.Records().Find({SimTag("SOIS"), 9, 0})->at(40));
}

TEST(RecordBase, CollectionTagOverrideLoadsAndSavesUnderThatTag) {
    HostAt h(kHost12);
    const uint32_t other = SimTag("SOIx");
    h.PutStaff(1, "Oboe");
    h.Records().Put({other, 3, 0}, StaffRecord(kHost12, 7));
    h.Records().Put({other, 4, 0}, StaffRecord(kHost12, 8));

    Staves staves;
    staves.tagOverride = other;
    ASSERT_EQ(2, staves.LoadAll());
    EXPECT_EQ(3, staves.At(0)->KeyItem());
    EXPECT_EQ(8, staves.At(1)->NameTextBlock());
    staves.At(1)->Data()[50] = 0x77;
    ASSERT_TRUE(staves.SaveAll());
    EXPECT_EQ(0x77, h.Records().Find({other, 4, 0})->at(50));
    EXPECT_EQ(nullptr, h.Records().Find({SimTag("SOIS"), 4, 0}));

    // Lists under an overriding tag live wherever the host keeps that tag: here with the
    // document's records, not the part's.
    h.Records().Put({other, SetList(1), 0}, StaffListEntry(6, 0));
    h.Records().Put({other, SetList(1), 1}, StaffListEntry(8, -288));
    NKSystemStaves list;
    list.tagOverride = other;
    ASSERT_EQ(2, list.LoadAllForItem(SetList(1)));
    EXPECT_EQ((std::vector<uint16_t>{6, 8}), StaffNumbers(list));
    list.RemoveAt(0);
    ASSERT_TRUE(list.SaveAllForItem(SetList(1)));
    EXPECT_EQ((std::vector<int16_t>{0}), SubNumbers(h.Records(), other, SetList(1)));
    EXPECT_EQ(8, ReadLittleEndian16(*h.Records().Find({other, SetList(1), 0}), 0));
    EXPECT_TRUE(h.Part(0).ItemRecords(kList, SetList(1)).empty());
}

TEST(RecordBase, LoadAllForItemReadsSubNumbersUpToTheFirstGap) {
    HostAt h(kHost12);
    RecordStore& part = h.Part(0);
    part.Put({kList, SetList(1), 0}, StaffListEntry(3, 0));
    part.Put({kList, SetList(1), 1}, StaffListEntry(1, -288));
    part.Put({kList, SetList(1), 2}, StaffListEntry(7, -576));
    part.Put({kList, SetList(1), 4}, StaffListEntry(9, -864));
    part.Put({kList, SetList(2), 0}, StaffListEntry(2, 0));

    NKSystemStaves list;
    ASSERT_EQ(3, list.LoadAllForItem(SetList(1)));
    EXPECT_EQ((std::vector<uint16_t>{3, 1, 7}), StaffNumbers(list));
    EXPECT_EQ(-576, list.StaffAt(2)->Distance());
    EXPECT_EQ(2, list.StaffAt(2)->KeySub());

    // Loading again replaces, never appends.
    ASSERT_EQ(1, list.LoadAllForItem(SetList(2)));
    EXPECT_EQ((std::vector<uint16_t>{2}), StaffNumbers(list));
}

TEST(RecordBase, DeleteAllForItemStartsFromSubNumberZero) {
    HostAt h(kHost12);
    RecordStore& part = h.Part(0);
    part.Put({kList, SetList(1), 1}, StaffListEntry(3, 0));
    part.Put({kList, SetList(1), 2}, StaffListEntry(4, 0));
    NKSystemStaves list;
    EXPECT_TRUE(list.DeleteAllForItem(SetList(1)));
    EXPECT_EQ((std::vector<int16_t>{1, 2}), SubNumbers(part, kList, SetList(1)));
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_DeleteEData"));

    WriteStaffList(part, SetList(2), {{1, 0}, {2, -288}, {3, -576}});
    part.Put({kList, SetList(2), 5}, StaffListEntry(8, 0)); // behind a gap: not the list's
    EXPECT_TRUE(list.DeleteAllForItem(SetList(2)));
    EXPECT_EQ((std::vector<int16_t>{5}), SubNumbers(part, kList, SetList(2)));
    EXPECT_EQ((std::vector<int16_t>{1, 2}), SubNumbers(part, kList, SetList(1)));

    // From the top down: a refused delete leaves the lower entries in place.
    WriteStaffList(part, SetList(3), {{1, 0}, {2, -288}, {3, -576}});
    h.host.FailCall({"NX_DeleteEData"}, 2);
    EXPECT_FALSE(list.DeleteAllForItem(SetList(3)));
    EXPECT_EQ((std::vector<int16_t>{0, 1}), SubNumbers(part, kList, SetList(3)));
}

TEST(RecordBase, SaveAllForItemMakesTheHostListEqualToTheCollection) {
    HostAt h(kHost12);
    RecordStore& part = h.Part(0);
    WriteStaffList(part, SetList(4), {{1, 0}, {2, -288}, {3, -576}, {4, -864}});
    WriteStaffList(part, SetList(5), {{6, 0}});

    NKSystemStaves list;
    ASSERT_EQ(4, list.LoadAllForItem(SetList(4)));
    list.RemoveAt(0);
    list.RemoveAt(1);
    ASSERT_TRUE(list.SaveAllForItem(SetList(4)));
    EXPECT_EQ((std::vector<ListEntry>{{2, -288}, {4, -864}}), ReadStaffList(part, SetList(4)));
    EXPECT_EQ((std::vector<int16_t>{0, 1}), SubNumbers(part, kList, SetList(4)));

    NKSystemStaves empty;
    EXPECT_TRUE(empty.SaveAllForItem(SetList(4)));
    EXPECT_TRUE(ReadStaffList(part, SetList(4)).empty());
    EXPECT_EQ(1u, ReadStaffList(part, SetList(5)).size());

    // When the old entries cannot be removed, nothing new is written.
    ASSERT_EQ(1, list.LoadAllForItem(SetList(5)));
    h.host.FailCall({"NX_DeleteEData"}, 1);
    h.host.Log().Clear();
    EXPECT_FALSE(list.SaveAllForItem(SetList(5)));
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_CreateEData"));
}

TEST(RecordBase, ReloadKeepsTheAddressingOfItsClass) {
    HostAt h(kHost12);
    // The host's enumeration can land on a staff record with a sub-number; a staff record is
    // one per item, so reloading it means sub-number 0.
    h.Records().Put({SimTag("SOIS"), 5, 2}, StaffRecord(kHost12, 52));
    NKStaff staff;
    ASSERT_TRUE(staff.LoadFirst());
    EXPECT_EQ(2, staff.KeySub());
    EXPECT_EQ(52, staff.NameTextBlock());
    h.Records().Put({SimTag("SOIS"), 5, 0}, StaffRecord(kHost12, 50));
    ASSERT_TRUE(staff.Reload());
    EXPECT_EQ(0, staff.KeySub());
    EXPECT_EQ(50, staff.NameTextBlock());

    WriteStaffList(h.Part(0), SetList(1), {{1, 0}, {2, -288}, {3, -576}});
    NKSystemStaff entry;
    ASSERT_TRUE(entry.Load(SetList(1), 2));
    WriteStaffList(h.Part(0), SetList(1), {{1, 0}, {2, -288}, {8, -600}});
    h.Part(0).Put({SimTag("dtLP"), SetList(1), 8}, StaffPercentRecord(80));
    ASSERT_TRUE(entry.Reload());
    EXPECT_EQ(2, entry.KeySub());
    EXPECT_EQ(8, entry.StaffNumber());
    EXPECT_EQ(-600, entry.Distance());
    EXPECT_EQ(80, entry.staffPercent);
}

TEST(RecordBase, AHostThatOverReportsCannotMakeASaveReachPastTheRecord) {
    HostAt h(kHost12);
    h.host.SetOverReportingLoads(true);
    Bytes longStaff = StaffRecord(kHost12, 9);
    longStaff.resize(200, 0xCD);
    h.Records().Put({SimTag("SOIS"), 3, 0}, longStaff);
    Bytes longEntry = StaffListEntry(3, -288);
    longEntry.resize(40, 0xCD);
    h.Part(0).Put({kList, SetList(1), 0}, longEntry);
    Bytes longCompanion = StaffPercentRecord(90);
    longCompanion.resize(32, 0xCD);
    h.Part(0).Put({SimTag("dtLP"), SetList(1), 3}, longCompanion);

    NKStaff staff;
    ASSERT_TRUE(staff.Load(3));
    ASSERT_TRUE(staff.SaveAs(4));
    NKStaff copy;
    copy.CopyDataFrom(&staff);
    ASSERT_TRUE(copy.SaveAs(5));
    for (int16_t item : {4, 5}) {
        const Bytes* saved = h.Records().Find({SimTag("SOIS"), item, 0});
        ASSERT_NE(nullptr, saved);
        EXPECT_EQ(Bytes(longStaff.begin(), longStaff.begin() + 136), *saved);
    }

    NKSystemStaves list;
    ASSERT_EQ(1, list.LoadAllForItem(SetList(1)));
    EXPECT_EQ(90, list.StaffAt(0)->staffPercent);
    ASSERT_TRUE(list.SaveAllForItem(SetList(2)));
    EXPECT_EQ(24u, h.Part(0).Find({kList, SetList(2), 0})->size());
    EXPECT_EQ(StaffPercentRecord(90), *h.Part(0).Find({SimTag("dtLP"), SetList(2), 3}));
}

TEST(RecordGuards, AHostThatDoesNotMoveTheKeyEndsTheEnumeration) {
    FreshModule fresh;
    SimHost host(0x12050000);
    AddSampleScore(host);
    // Answers success without moving the key forward.
    host.ScriptResult("NX_NextEData", 1);
    NKCategoryDefs categories;
    EXPECT_EQ(1, categories.LoadAll()) << "category 1, then the walk stops";
    NKStaff staff;
    EXPECT_FALSE(staff.LoadFirst());
}

TEST(RecordGuards, AStaffLoadedAgainAfterTheHostVersionChangedUsesTheNewLayout) {
    FreshModule fresh;
    auto host = std::make_unique<SimHost>(0x10FFFFFF);
    AddSampleScore(*host);
    VarluneExtensionVersion(0x10FFFFFF);
    NKStaff staff;
    ASSERT_TRUE(staff.Load(4)); // 114 bytes
    host.reset();
    host = std::make_unique<SimHost>(0x12050000);
    FreshModule::Reset(); // a new host process: the plug-in binds to it afresh
    AddSampleScore(*host);
    VarluneExtensionVersion(0x12050000);
    ASSERT_TRUE(staff.Load(4)); // 136 bytes, into the 136-byte area (ASan watches)
    std::unique_ptr<NKString> name(staff.CreateDisplayName());
    EXPECT_EQ(u"Clarinet in B\u266D 1", std::u16string(name->WideText()));
}
