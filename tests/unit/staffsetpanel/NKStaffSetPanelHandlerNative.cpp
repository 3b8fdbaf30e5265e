// Every host call an operation makes, made to fail in turn. A failed write must leave the
// document exactly as it was (the edit is cancelled) or, where the operation can do without
// that call, fully changed as asked; never half changed. A failed read may mislead an
// operation, since the host's interface cannot tell it from a shorter list, but it must not
// crash, leak or leave an edit open. Native only: a misled operation may show a message box,
// which the substitute layer answers.
#include <gtest/gtest.h>

#include "platform/substitute/MessageBoxes.h"
#include "tests/support/StaffSetSession.h"

namespace {

const std::vector<std::string> kWrites = {"NX_SaveEData", "NX_CreateEData", "NX_DeleteEData"};
const std::vector<std::string> kReads = {"NX_LoadEData",
                                         "NX_NextEData",
                                         "NX_SlotToInst",
                                         "NX_InstToSlot",
                                         "NX_GetCurERegions",
                                         "NX_GetCurrentPartID",
                                         "NX_GetCurrentTavrinDocument"};

size_t CallsAmong(const CallLog& log, const std::vector<std::string>& functions) {
    size_t calls = 0;
    for (const std::string& function : functions)
        calls += log.CountOf(function);
    return calls;
}

const std::vector<Operation> kOperations = {
    {kCreateSet, 2, "Brass", 8, 12},
    {kCreateSet, 1, "Holz", 1, 3},
    {kCreateSet, 1, "", 2, 2},
    {kRenameSet, 1, "Woodwind Choir", 0, 0},
    {kRenameSet, 3, "Strings", 0, 0},
    {kRenameSet, 1, "", 0, 0},
    {kAddStaves, 3, "", 13, 15},
    {kAddStaves, 1, "", 8, 8},
    {kRemoveStaves, 1, "", 2, 4},
    {kRemoveStaves, 3, "", 16, 20},
    {kMoveSetUp, 2, "", 0, 0},
    {kMoveSetDown, 1, "", 0, 0},
    {kDeleteSet, 1, "", 0, 0},
    {kDeleteSet, 3, "", 0, 0},
    // Set 3 shows its double basses at 75%: the size record has to follow or go.
    {kMoveSetUp, 3, "", 0, 0},
    {kCreateSet, 3, "", 16, 20},
    {kRemoveStaves, 3, "", 20, 20},
};

struct Outcome {
    SimDocument::Contents after;
    size_t writes;
    size_t reads;
};

Outcome Unfaulted(const Operation& operation) {
    StaffSetSession session;
    session.host.Log().Clear();
    EXPECT_TRUE(session.Run(operation));
    return {session.document.Snapshot(), CallsAmong(session.host.Log(), kWrites),
            CallsAmong(session.host.Log(), kReads)};
}

} // namespace

TEST(StaffSetFaults, AFailedWriteLeavesTheDocumentAsBeforeOrFullyChanged) {
    size_t failurePoints = 0;
    for (const Operation& operation : kOperations) {
        const Outcome expected = Unfaulted(operation);
        ASSERT_GT(expected.writes, 0u);
        for (size_t k = 1; k <= expected.writes; ++k, ++failurePoints) {
            StaffSetSession session;
            const SimDocument::Contents before = session.document.Snapshot();
            session.host.FailCall(kWrites, static_cast<int>(k));
            const bool succeeded = session.Run(operation);
            const SimDocument::Contents after = session.document.Snapshot();
            SCOPED_TRACE("kind " + std::to_string(operation.kind) + " set " +
                         std::to_string(operation.set) + ", write " + std::to_string(k));
            if (succeeded) {
                EXPECT_TRUE(after == expected.after) << "reported success, but half changed";
            } else {
                EXPECT_TRUE(after == before) << "reported failure, but not rolled back";
            }
            EXPECT_FALSE(session.document.EditOpen());
            EXPECT_EQ(0, HostEditNesting());
            EXPECT_EQ(0, session.document.CurrentPart());
        }
    }
    RecordProperty("write failure points", static_cast<int>(failurePoints));
    std::printf("write failure points covered: %zu\n", failurePoints);
}

TEST(StaffSetFaults, AFailedReadNeverCrashesLeaksOrLeavesAnEditOpen) {
    substitute::ClearMessageBoxes();
    size_t failurePoints = 0;
    for (const Operation& operation : kOperations) {
        const Outcome expected = Unfaulted(operation);
        for (size_t k = 1; k <= expected.reads; ++k, ++failurePoints) {
            StaffSetSession session;
            const SimDocument::Contents before = session.document.Snapshot();
            session.host.FailCall(kReads, static_cast<int>(k));
            const bool succeeded = session.Run(operation);
            SCOPED_TRACE("kind " + std::to_string(operation.kind) + ", read " + std::to_string(k));
            if (!succeeded) {
                EXPECT_TRUE(session.document.Snapshot() == before);
            }
            EXPECT_FALSE(session.document.EditOpen());
            EXPECT_EQ(0, HostEditNesting());
        }
    }
    std::printf("read failure points covered: %zu\n", failurePoints);
    substitute::ClearMessageBoxes();
}
