// How the plug-in finds its host: which executables it searches, how often, and what every
// function answers when the host or one of its functions is not there. The substitute loader
// lets these tests choose which executable is "loaded" and records every lookup.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/substitute/ModuleRegistry.h"
#include "shell/HostBridge.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/EveryBridgeFunction.h"
#include "tests/support/FreshModule.h"

namespace {

using substitute::ModuleLookups;
using substitute::ProcLookups;

const std::vector<std::string> kBothNames = {"VARLUNE.EXE", "KESTRIN.EXE"};

size_t ProcLookupsOf(const std::string& name) {
    return static_cast<size_t>(std::count(ProcLookups().begin(), ProcLookups().end(), name));
}

class HostBindingTest : public ::testing::Test {
protected:
    HostBindingTest() { substitute::ClearLookupLog(); }
    FreshModule fresh;
    EveryBridgeFunction every;
};

} // namespace

TEST_F(HostBindingTest, WithNoHostEveryFunctionAnswersItsMissingValueAfterOneSearch) {
    SimHost host(0x12050000, HostExecutable::None);
    for (int round = 0; round < 2; ++round)
        for (const BridgeCall& c : every.Calls())
            EXPECT_EQ(c.missing, c.call()) << c.function;
    EXPECT_EQ(kBothNames, ModuleLookups()) << "the executables are searched once, in this order";
    EXPECT_TRUE(ProcLookups().empty()) << "no function is looked up without a host module";
    EXPECT_TRUE(host.Log().Calls().empty());
}

TEST_F(HostBindingTest, BindsToTheFirstNameWhenBothCouldMatch) {
    SimHost host(0x12050000, HostExecutable::Varlune);
    host.ScriptResult("NX_ExecuteMenuItem", 1);
    EXPECT_EQ(1, NX_ExecuteMenuItem(10611));
    EXPECT_EQ(1, NX_ExecuteMenuItem(10612));
    EXPECT_EQ(std::vector<std::string>{"VARLUNE.EXE"}, ModuleLookups());
    EXPECT_EQ(std::vector<std::string>{"NX_ExecuteMenuItem"}, ProcLookups());
    EXPECT_EQ(2u, host.Log().CountOf("NX_ExecuteMenuItem"));
}

TEST_F(HostBindingTest, BindsEveryFunctionToTheSecondNameWhenOnlyItIsLoaded) {
    SimHost host(0x12050000, HostExecutable::Kestrin);
    std::vector<BridgeCall> cases = every.Calls();
    for (const BridgeCall& c : cases)
        c.call();
    EXPECT_EQ(kBothNames, ModuleLookups());
    for (const BridgeCall& c : cases) {
        EXPECT_EQ(1u, ProcLookupsOf(c.function)) << c.function << " under its exact name, once";
        // An end or cancel with no edit open never reaches the host; here each follows a start.
        EXPECT_EQ(1u, host.Log().CountOf(c.function)) << c.function;
    }
}

TEST_F(HostBindingTest, AFunctionTheHostLacksIsLookedUpOnceAndAnswersMissing) {
    SimHost host(0x12050000, HostExecutable::Varlune, {"NX_GetCurrentPartID", "NX_Dialog"});
    host.ScriptResult("NX_GetCurrentPartID", 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(-1, NX_GetCurrentPartID());
        EXPECT_EQ(0, NX_Dialog(20128, nullptr, nullptr, nullptr));
    }
    EXPECT_EQ(1u, ProcLookupsOf("NX_GetCurrentPartID"));
    EXPECT_EQ(1u, ProcLookupsOf("NX_Dialog"));
    // The functions the host does have still work.
    host.ScriptResult("NX_GetCurrentTavrinDocument", 3);
    EXPECT_EQ(3, NX_GetCurrentTavrinDocument());
}

TEST_F(HostBindingTest, AHostThatAppearsLaterIsNotSearchedForAgain) {
    {
        SimHost absent(0x12050000, HostExecutable::None);
        EXPECT_EQ(0, NX_ExecuteMenuItem(10611));
    }
    SimHost host(0x12050000, HostExecutable::Varlune);
    host.ScriptResult("NX_ExecuteMenuItem", 1);
    host.ScriptResult("NX_GetCurrentTavrinDocument", 1);
    EXPECT_EQ(0, NX_ExecuteMenuItem(10611));
    EXPECT_EQ(0, NX_GetCurrentTavrinDocument());
    EXPECT_EQ(kBothNames, ModuleLookups());
    EXPECT_TRUE(host.Log().Calls().empty());
}

TEST_F(HostBindingTest, AStartWithoutAHostFunctionStillOpensAnEditForTheEndToClose) {
    SimHost host(0x12050000, HostExecutable::Varlune,
                 {"NX_StartVarluneEdit_UTF16", "NX_EndVarluneEdit", "NX_CancelVarluneEdit"});
    EXPECT_EQ(0, NX_StartVarluneEdit_UTF16(u"Staff Set Panel"));
    EXPECT_EQ(1, HostEditNesting());
    EXPECT_EQ(0, NX_EndVarluneEdit()) << "the end goes on to the (missing) host function";
    EXPECT_EQ(1u, ProcLookupsOf("NX_EndVarluneEdit"));
    EXPECT_EQ(1, HostEditNesting()) << "a refused end leaves the edit for a cancel";
    NX_CancelVarluneEdit();
    EXPECT_EQ(1u, ProcLookupsOf("NX_CancelVarluneEdit"));
    EXPECT_EQ(0, HostEditNesting());

    NX_CancelVarluneEdit(); // nothing open: not even looked up again
    EXPECT_EQ(1u, ProcLookupsOf("NX_CancelVarluneEdit"));
    EXPECT_EQ(1, NX_EndVarluneEdit()) << "nothing open: answered without the host";
    EXPECT_EQ(0, HostEditNesting());
}
