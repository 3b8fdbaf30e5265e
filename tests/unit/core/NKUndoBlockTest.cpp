// One operation, one host edit: the undo block against the simulated host's real edits.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/core/NKString.h"
#include "framework/core/NKUndoBlock.h"
#include "framework/core/NKUndoBlockHandler.h"
#include "shell/EntryPoints.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FreshModule.h"

namespace {

// Writes one record through the host, then answers as told.
class RecordingHandler : public __NKUndoBlockHandler {
public:
    explicit RecordingHandler(bool succeed) : succeed(succeed) {}
    bool Execute() override {
        boundDuringExecute = undoBlock;
        insideDuringExecute = undoBlock && undoBlock->InsideExecute();
        unsigned char key[8] = {7, 0, 0, 0, 0, 0, 0, 0};
        unsigned char record[12] = {1, 2, 3};
        wrote = NX_SaveEData(SimTag("otDe"), key, record, sizeof record, kApiVersion) != 0;
        ++runs;
        return succeed;
    }
    bool succeed;
    NKUndoBlock* boundDuringExecute = nullptr;
    bool insideDuringExecute = false;
    bool wrote = false;
    int runs = 0;
};

class NKUndoBlockTest : public ::testing::Test {
protected:
    void StartHost(uint32_t version) {
        host.reset();
        host = std::make_unique<SimHost>(version);
        document = &host->AddDocument("score");
        VarluneExtensionVersion(version);
    }
    FreshModule fresh;
    std::unique_ptr<SimHost> host;
    SimDocument* document = nullptr;
    NKString undoText{"Staff Set Panel"};
};

} // namespace

TEST_F(NKUndoBlockTest, NullArgumentsDoNothingAtAll) {
    StartHost(0x12050000);
    RecordingHandler handler(true);
    NKUndoBlock block;
    EXPECT_FALSE(block.Run(nullptr, &undoText));
    EXPECT_FALSE(block.Run(&handler, nullptr));
    EXPECT_EQ(0, handler.runs);
    EXPECT_TRUE(host->Log().Calls().empty());
}

TEST_F(NKUndoBlockTest, ASuccessIsOneNamedUndoStepInTheHostsTextWidth) {
    for (uint32_t version : {0x10FFFFFFu, 0x11000000u}) {
        FreshModule::Reset();
        StartHost(version);
        RecordingHandler handler(true);
        NKUndoBlock block;
        EXPECT_TRUE(block.Run(&handler, &undoText));
        EXPECT_EQ(&block, handler.boundDuringExecute);
        EXPECT_TRUE(handler.insideDuringExecute);
        EXPECT_EQ(nullptr, handler.undoBlock) << "bound only during the run";
        EXPECT_FALSE(block.InsideExecute());
        const bool wide = version >= 0x11000000;
        EXPECT_EQ(wide ? 0u : 1u, host->Log().CountOf("NX_StartVarluneEdit"));
        EXPECT_EQ(wide ? 1u : 0u, host->Log().CountOf("NX_StartVarluneEdit_UTF16"));
        EXPECT_EQ(1u, host->Log().CountOf("NX_EndVarluneEdit"));
        EXPECT_EQ(0u, host->Log().CountOf("NX_CancelVarluneEdit"));
        EXPECT_EQ(std::vector<std::string>{"Staff Set Panel"}, document->UndoHistory());
        ASSERT_TRUE(document->Undo());
        EXPECT_EQ(nullptr, document->Records().Find({SimTag("otDe"), 7, 0}));
    }
}

TEST_F(NKUndoBlockTest, AFailureCancelsTheEditAndTheHostDiscardsItsWrites) {
    StartHost(0x12050000);
    const SimDocument::Contents before = document->Snapshot();
    RecordingHandler handler(false);
    NKUndoBlock block;
    EXPECT_FALSE(block.Run(&handler, &undoText));
    EXPECT_TRUE(handler.wrote);
    EXPECT_EQ(1u, host->Log().CountOf("NX_CancelVarluneEdit"));
    EXPECT_EQ(0u, host->Log().CountOf("NX_EndVarluneEdit"));
    EXPECT_TRUE(document->Snapshot() == before);
    EXPECT_TRUE(document->UndoHistory().empty());
    EXPECT_EQ(0, HostEditNesting());
}

TEST_F(NKUndoBlockTest, ALongUndoTextIsCutTo499Units) {
    StartHost(0x12050000);
    NKString longText;
    for (int i = 0; i < 600; ++i)
        longText.AppendChar(static_cast<char16_t>(u'a' + i % 26));
    RecordingHandler handler(true);
    NKUndoBlock block;
    block.Run(&handler, &longText);
    ASSERT_EQ(1u, document->UndoHistory().size());
    EXPECT_EQ(std::string(longText.NarrowText()).substr(0, 499), document->UndoHistory()[0]);
}

TEST_F(NKUndoBlockTest, ARefusedStartStillRunsTheOperationAndClosesTheEdit) {
    StartHost(0x12050000);
    host->FailCall({"NX_StartVarluneEdit_UTF16"}, 1);
    RecordingHandler handler(true);
    NKUndoBlock block;
    EXPECT_TRUE(block.Run(&handler, &undoText));
    EXPECT_EQ(1, handler.runs);
    EXPECT_EQ(nullptr, handler.boundDuringExecute) << "unbound when the host refused the edit";
    EXPECT_EQ(1u, host->Log().CountOf("NX_EndVarluneEdit")) << "the end still reaches the host";
    EXPECT_EQ(0, HostEditNesting());
}
