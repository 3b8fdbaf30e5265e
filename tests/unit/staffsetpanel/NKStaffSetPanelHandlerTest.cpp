// The seven staff set operations on the sample score, checked in the host's records.
#include <gtest/gtest.h>

#include "staffsetpanel/StaffSetNameStore.h"
#include "tests/support/StaffSetSession.h"

namespace {

using List = std::vector<ListEntry>;

// Sample score order: slot 8 Horn 1 (staff 7), 9 Horn 2 (8), 10 Trumpet (9), 11 Trombone
// (10), 12 Tuba (11); 16 to 20 the strings (staves 14 to 18). Set 1 holds the woodwinds and
// is named "Woodwinds"; set 3 the strings, unnamed.
void SetMainList(StaffSetSession& session, const List& list) {
    WriteStaffList(session.document.PartRecords(0), 0, list);
}

} // namespace

TEST(StaffSetOperations, CreateMeasuresDistancesFromTheTopStaffOfTheRegion) {
    StaffSetSession session;
    SetMainList(session, {{1, 0}, {2, -288}, {3, -600}, {4, -900}, {5, -1200}});
    EXPECT_TRUE(session.Run({kCreateSet, 4, "Brass", 2, 4}));
    EXPECT_EQ((List{{2, 0}, {3, -312}, {4, -612}}), session.List(4));
    EXPECT_EQ(
        (std::vector<std::string>{"QM Staff Set Panel 1:Woodwinds", "QM Staff Set Panel 4:Brass"}),
        session.NameRecords());
}

TEST(StaffSetOperations, CreateOverAnExistingSetReplacesItsStavesAndName) {
    StaffSetSession session;
    EXPECT_TRUE(session.Run({kCreateSet, 1, "Brass", 8, 10}));
    EXPECT_EQ((List{{7, 0}, {8, -288}, {9, -576}}), session.List(1));
    EXPECT_EQ(std::vector<std::string>{"QM Staff Set Panel 1:Brass"}, session.NameRecords())
        << "the same record, rewritten";
    EXPECT_TRUE(session.Run({kCreateSet, 1, "", 11, 12}));
    EXPECT_EQ((List{{10, 0}, {11, -288}}), session.List(1));
    EXPECT_TRUE(session.NameRecords().empty()) << "an empty name removes the name record";
}

TEST(StaffSetOperations, AddedStavesGoWhereTheScoreOrderPutsThem) {
    StaffSetSession session;
    ASSERT_TRUE(session.Run({kCreateSet, 2, "", 10, 10})); // the trumpet alone
    EXPECT_EQ((List{{9, 0}}), session.List(2));
    // The first horn lies above every set staff: it becomes the top, the rest moves down.
    EXPECT_TRUE(session.Run({kAddStaves, 2, "", 8, 8}));
    EXPECT_EQ((List{{7, 0}, {9, -288}}), session.List(2));
    // The second horn lies between them: 288 below the upper one, the later ones 288 lower.
    EXPECT_TRUE(session.Run({kAddStaves, 2, "", 9, 9}));
    EXPECT_EQ((List{{7, 0}, {8, -288}, {9, -576}}), session.List(2));
    // Trombone and tuba lie below every set staff: appended, each 288 below the last.
    EXPECT_TRUE(session.Run({kAddStaves, 2, "", 11, 12}));
    EXPECT_EQ((List{{7, 0}, {8, -288}, {9, -576}, {10, -864}, {11, -1152}}), session.List(2));
    EXPECT_EQ(4u, session.document.UndoHistory().size());
}

TEST(StaffSetOperations, AddedStavesFollowTheScoreOrderAlsoIntoASetOutOfOrder) {
    StaffSetSession session;
    SetMainList(session, {{1, 0}, {2, -288}, {3, -576}, {4, -864}, {5, -1152}, {6, -1440}});
    session.SetList(6, {{5, 0}, {2, -288}}); // set order is not score order
    // Each staff goes before the first set staff that follows it in the score, as the set
    // stands after the staves added before it: 1 before 2; 3 and then 4 before 5; 6 after
    // all. Staves 2 and 5 are in the set already.
    EXPECT_TRUE(session.Run({kAddStaves, 6, "", 1, 6}));
    EXPECT_EQ((List{{3, 0}, {4, -288}, {5, -576}, {1, -864}, {2, -1152}, {6, -1440}}),
              session.List(6));
}

TEST(StaffSetOperations, AddingNothingNewOrToAnEmptySlotChangesNothing) {
    StaffSetSession session;
    const SimDocument::Contents before = session.document.Snapshot();
    EXPECT_FALSE(session.Run({kAddStaves, 1, "", 1, 3})) << "all already in set 1";
    EXPECT_FALSE(session.Run({kAddStaves, 4, "", 8, 9})) << "adding never creates a set";
    EXPECT_FALSE(session.Run({kAddStaves, 1, "", 0, 0})) << "no selection";
    EXPECT_TRUE(session.document.Snapshot() == before);
    EXPECT_TRUE(session.document.UndoHistory().empty()) << "each refusal cancelled its edit";
}

TEST(StaffSetOperations, RemovingStavesClosesTheGapTheyLeave) {
    StaffSetSession session;
    session.SetList(5, {{7, 0}, {8, -288}, {9, -576}});
    EXPECT_TRUE(session.Run({kRemoveStaves, 5, "", 8, 8})); // the first of three
    EXPECT_EQ((List{{8, 0}, {9, -288}}), session.List(5));
    session.SetList(5, {{7, 0}, {8, -300}, {9, -700}});
    EXPECT_TRUE(session.Run({kRemoveStaves, 5, "", 9, 9})); // a middle one: lift by its gap
    EXPECT_EQ((List{{7, 0}, {9, -400}}), session.List(5));
    EXPECT_FALSE(session.Run({kRemoveStaves, 5, "", 1, 2})) << "none of them in the set";
}

TEST(StaffSetOperations, RemovingEveryStaffRemovesTheSetAndItsName) {
    StaffSetSession session;
    EXPECT_TRUE(session.Run({kRemoveStaves, 1, "", 1, 7}));
    EXPECT_TRUE(session.List(1).empty());
    EXPECT_TRUE(session.NameRecords().empty());
    // The name record's text stays behind in the document, as the host keeps texts.
    EXPECT_NE(nullptr, session.document.Records().Find({SimTag("SOTX"), 104, 0}));
}

TEST(StaffSetOperations, MovingASetExchangesListsAndNamesWithItsNeighbour) {
    StaffSetSession session;
    const List woodwinds = session.List(1);
    const List strings = session.List(3);
    ASSERT_TRUE(session.Run({kCreateSet, 2, "Brass", 8, 12}));
    const List brass = session.List(2);

    EXPECT_TRUE(session.Run({kMoveSetUp, 2, "", 0, 0}));
    EXPECT_EQ(brass, session.List(1));
    EXPECT_EQ(woodwinds, session.List(2));
    EXPECT_EQ(
        (std::vector<std::string>{"QM Staff Set Panel 2:Woodwinds", "QM Staff Set Panel 1:Brass"}),
        session.NameRecords())
        << "the records keep their names and change their numbers";

    EXPECT_TRUE(session.Run({kMoveSetDown, 3, "", 0, 0})); // into the empty slot 4
    EXPECT_TRUE(session.List(3).empty());
    EXPECT_EQ(strings, session.List(4));
    // The double basses' size travels with them.
    const Bytes* percent = session.document.PartRecords(0).Find({SimTag("dtLP"), -33, 18});
    ASSERT_NE(nullptr, percent);
    EXPECT_EQ(75, ReadLittleEndian16(*percent, 0));
}

TEST(StaffSetOperations, DeleteClearsTheListAndAnyNameRecord) {
    StaffSetSession session;
    EXPECT_TRUE(session.Run({kDeleteSet, 3, "", 0, 0}));
    EXPECT_TRUE(session.List(3).empty());
    EXPECT_EQ(1u, session.NameRecords().size()) << "set 3 had no name record to delete";
    EXPECT_TRUE(session.Run({kDeleteSet, 1, "", 0, 0}));
    EXPECT_TRUE(session.List(1).empty());
    EXPECT_TRUE(session.NameRecords().empty());
}

TEST(StaffSetOperations, DeletingOneSetKeepsTheNamesOfTheOthers) {
    StaffSetSession session;
    ASSERT_TRUE(session.Run({kCreateSet, 2, "Brass", 8, 10})); // a name record after set 1's
    ASSERT_TRUE(session.Run({kDeleteSet, 1, "", 0, 0}));       // leaves a gap before it
    NKString name;
    GetSetName(&name, 2);
    EXPECT_STREQ("Brass", name.NarrowText());
    ASSERT_TRUE(session.Run({kRenameSet, 2, "Low Brass", 0, 0}));
    EXPECT_EQ(std::vector<std::string>{"QM Staff Set Panel 2:Low Brass"}, session.NameRecords())
        << "renamed in place, no second record";
}

TEST(StaffSetOperations, RenamingCreatesRewritesAndRemovesOneRecord) {
    StaffSetSession session;
    EXPECT_TRUE(session.Run({kRenameSet, 3, "Strings", 0, 0}));
    EXPECT_TRUE(session.Run({kRenameSet, 3, "  Strings \u2013 tutti\t", 0, 0}));
    EXPECT_EQ((std::vector<std::string>{"QM Staff Set Panel 1:Woodwinds",
                                        "QM Staff Set Panel 3:  Strings \u2013 tutti\t"}),
              session.NameRecords())
        << "one record for set 3, holding the name as given, blanks and all";
    EXPECT_TRUE(session.Run({kRenameSet, 3, "", 0, 0}));
    EXPECT_EQ(std::vector<std::string>{"QM Staff Set Panel 1:Woodwinds"}, session.NameRecords());
}

TEST(StaffSetOperations, EightBitHostsStoreNamesAsBytes) {
    StaffSetSession session(0x10FFFFFF);
    EXPECT_TRUE(session.Run({kCreateSet, 2, "Bl\u00E4ser", 8, 9}));
    EXPECT_EQ((List{{7, 0}, {8, -288}}), session.List(2));
    const std::vector<std::string> names = session.NameRecords();
    ASSERT_EQ(2u, names.size());
    EXPECT_EQ("QM Staff Set Panel 2:Bl\u00E4ser", names[1]);
    EXPECT_EQ(1u, session.host.Log().CountOf("NX_StartVarluneEdit"));
}

TEST(StaffSetOperations, EveryChangeIsOneUndoStepThatRestoresTheDocumentExactly) {
    const std::vector<Operation> operations = {
        {kCreateSet, 2, "Brass", 8, 12}, {kCreateSet, 1, "", 8, 9},
        {kRenameSet, 1, "Holz", 0, 0},   {kRenameSet, 3, "Strings", 0, 0},
        {kAddStaves, 3, "", 13, 15},     {kRemoveStaves, 1, "", 2, 4},
        {kRemoveStaves, 3, "", 16, 20},  {kMoveSetUp, 3, "", 0, 0},
        {kMoveSetDown, 1, "", 0, 0},     {kDeleteSet, 1, "", 0, 0},
    };
    for (const Operation& operation : operations) {
        StaffSetSession session;
        const SimDocument::Contents before = session.document.Snapshot();
        ASSERT_TRUE(session.Run(operation)) << "kind " << operation.kind;
        const SimDocument::Contents after = session.document.Snapshot();
        EXPECT_TRUE(after != before) << "kind " << operation.kind;
        EXPECT_EQ(std::vector<std::string>{"Staff Set Panel"}, session.document.UndoHistory());
        ASSERT_TRUE(session.document.Undo());
        EXPECT_TRUE(session.document.Snapshot() == before) << "kind " << operation.kind;
        ASSERT_TRUE(session.document.Redo());
        EXPECT_TRUE(session.document.Snapshot() == after) << "kind " << operation.kind;
        EXPECT_EQ(0, session.document.CurrentPart());
    }
}

TEST(StaffSetOperations, TheSelectionCountsInThePartShownAndTheSetsBelongToTheScore) {
    StaffSetSession session;
    // The part "Horn in F" shows the two horns (staves 7 and 8) at slots 1 and 2.
    session.document.SetCurrentPart(2);
    EXPECT_TRUE(session.Run({kCreateSet, 4, "Horns", 1, 2}));
    EXPECT_EQ((List{{7, 0}, {8, -288}}), session.List(4));
    // The second horn comes before the strings in the score's order: it becomes their top.
    EXPECT_TRUE(session.Run({kAddStaves, 3, "", 2, 2}));
    EXPECT_EQ((ListEntry{8, 0}), session.List(3).at(0));
    EXPECT_EQ((ListEntry{14, -288}), session.List(3).at(1));
    EXPECT_TRUE(session.Run({kRemoveStaves, 4, "", 1, 1}));
    EXPECT_EQ((List{{8, 0}}), session.List(4));
    EXPECT_TRUE(session.Run({kDeleteSet, 1, "", 0, 0}));
    EXPECT_TRUE(session.List(1).empty());
    EXPECT_EQ(2, session.document.CurrentPart()) << "the part that was current comes back";
    EXPECT_EQ(2u, ReadStaffList(session.document.PartRecords(2), 0).size())
        << "the part's own list is untouched";
    EXPECT_TRUE(ReadStaffList(session.document.PartRecords(2), -33).empty())
        << "no set was written into the part";
}
