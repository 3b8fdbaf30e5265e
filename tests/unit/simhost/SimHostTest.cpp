// The simulated host's own rules, on which every test through it relies: how records are
// created, walked and compared, and what the sample score holds.
#include <gtest/gtest.h>

#include "simhost/documents/RecordTag.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/documents/StaffNames.h"
#include "simhost/hostfunctions/SimHost.h"

TEST(SimulatedHost, RecordStoreNumbersNewRecordsAndWalksInKeyOrder) {
    RecordStore store;
    const uint32_t tag = SimTag("SODT");
    EXPECT_EQ((RecordAddress{tag, 1, 0}), *store.Create({tag, -1, -1}, {1}));
    store.Put({tag, 4, 0}, {4});
    EXPECT_EQ((RecordAddress{tag, 5, 0}), *store.Create({tag, -1, -1}, {5}));
    EXPECT_FALSE(store.Create({tag, 4, 0}, {9})) << "an explicit key that exists is refused";

    const uint32_t list = SimTag("SOIu");
    EXPECT_EQ((RecordAddress{list, -36, 0}), *store.Create({list, -36, -1}, {}));
    EXPECT_EQ((RecordAddress{list, -36, 1}), *store.Create({list, -36, -1}, {}));

    std::vector<int16_t> walked;
    for (auto at = store.Next({tag, 0, 0}); at; at = store.Next(*at))
        walked.push_back(at->item);
    EXPECT_EQ((std::vector<int16_t>{1, 4, 5}), walked) << "the walk stays within the tag";

    RecordStore copy = store;
    EXPECT_TRUE(copy == store);
    copy.Put({tag, 4, 0}, {44});
    EXPECT_TRUE(copy != store) << "a changed byte makes the stores differ";
}

TEST(SimulatedHost, SampleScoreKeepsStaffListsPerPartAndNumbersSharedNames) {
    for (uint32_t version : {0x10FFFFFFu, 0x12050000u}) {
        SimHost host(version);
        SimDocument& score = AddSampleScore(host);
        EXPECT_EQ(20u, ReadStaffList(score.PartRecords(0), 0).size());
        EXPECT_EQ(1u, ReadStaffList(score.PartRecords(1), 0).size());
        EXPECT_EQ(7u, ReadStaffList(score.PartRecords(0), kSampleNamedSet - 37).size());
        auto strings = ReadStaffList(score.PartRecords(0), kSampleUnnamedSet - 37);
        ASSERT_EQ(5u, strings.size());
        EXPECT_EQ(0, strings[0].distance);
        EXPECT_EQ((ListEntry{18, -4 * 288}), strings[4]);
        EXPECT_EQ("Clarinet in B\u266D 2", *NumberedStaffName(score, version, 5, 5));
        EXPECT_EQ("Oboe", *NumberedStaffName(score, version, 3, 3));
    }
    EXPECT_EQ("A^B \u266Fx", HostPlainText("^fontTxt(Arial)A^^B ^sharp()x^size("));
}

TEST(SimulatedHost, ShortRecordsReadAsZeroFilledNeverEndingTheHost) {
    // A damaged list entry of 9 bytes: the staff is there, the distance's last 3 bytes are not.
    RecordStore part;
    part.Put({SimTag("SOIu"), 0, 0}, {7, 0, 0, 0, 0, 0, 0, 0, 0x10});
    part.Put({SimTag("SOIu"), 0, 1}, {});
    EXPECT_EQ((std::vector<ListEntry>{{7, 0x10}, {0, 0}}), ReadStaffList(part, 0));
}

TEST(SimulatedHost, EditsCancelExactlyAndUndoAsOneNamedStep) {
    SimHost host(0x12050000);
    SimDocument& score = AddSampleScore(host);
    const SimDocument::Contents original = score.Snapshot();

    ASSERT_TRUE(score.StartEdit("Staff Set Panel"));
    EXPECT_FALSE(score.StartEdit("nested")) << "one edit at a time";
    score.PartRecords(0).Erase({SimTag("SOIu"), kSampleNamedSet - 37, 0});
    score.Records().Put({SimTag("SODT"), 9, 0}, {1, 2, 3});
    ASSERT_TRUE(score.CancelEdit());
    EXPECT_TRUE(score.Snapshot() == original);
    EXPECT_TRUE(score.UndoHistory().empty());

    ASSERT_TRUE(score.StartEdit("Staff Set Panel"));
    score.PartRecords(0).Erase({SimTag("SOIu"), kSampleNamedSet - 37, 0});
    ASSERT_TRUE(score.EndEdit());
    const SimDocument::Contents changed = score.Snapshot();
    EXPECT_EQ(std::vector<std::string>{"Staff Set Panel"}, score.UndoHistory());
    ASSERT_TRUE(score.Undo());
    EXPECT_TRUE(score.Snapshot() == original);
    ASSERT_TRUE(score.Redo());
    EXPECT_TRUE(score.Snapshot() == changed);
    EXPECT_FALSE(score.Redo());
}

// The host answers slot questions from an index of the list: every change of the list,
// also one taken back by undo, must show in the next answer.
TEST(SimulatedHost, SlotAnswersFollowEveryChangeOfTheList) {
    SimHost host;
    SimDocument& score = host.AddDocument("Slots");
    RecordStore& part = score.PartRecords(0);
    WriteStaffList(part, 0, {{7, 0}, {8, -288}, {7, -576}});
    StaffSlots& slots = host.Slots();
    EXPECT_EQ(1, slots.SlotOf(part, 0, 7)) << "a staff listed twice is in its first slot";
    EXPECT_EQ(8, slots.StaffIn(part, 0, 2));
    EXPECT_EQ(0, slots.StaffIn(part, 0, 4));
    EXPECT_EQ(0, slots.SlotOf(part, 0, 9));
    EXPECT_EQ(0, slots.SlotOf(part, 1, 7)) << "another list";

    ASSERT_TRUE(score.StartEdit("Reorder"));
    WriteStaffList(part, 0, {{9, 0}, {8, -288}});
    ASSERT_TRUE(score.EndEdit());
    EXPECT_EQ(1, slots.SlotOf(part, 0, 9));
    EXPECT_EQ(0, slots.SlotOf(part, 0, 7));
    ASSERT_TRUE(score.Undo());
    EXPECT_EQ(1, slots.SlotOf(score.PartRecords(0), 0, 7));
    EXPECT_EQ(0, slots.SlotOf(score.PartRecords(0), 0, 9));

    RecordStore moved = std::move(score.PartRecords(0));
    EXPECT_EQ(0, slots.SlotOf(score.PartRecords(0), 0, 7)) << "the store moved from is empty";
    EXPECT_EQ(1, slots.SlotOf(moved, 0, 7));
}
