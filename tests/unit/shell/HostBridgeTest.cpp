// The bridge as the host receives it: which function, which arguments in which order, and
// which result comes back. Runs natively and, as VARLUNE.EXE, under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/HostBridge.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/EveryBridgeFunction.h"
#include "tests/support/FreshModule.h"

namespace {

using Arguments = std::vector<int64_t>;

// What the host receives for the caller's arguments a: a's values in order, then the interface
// version, except for the calls below.
Arguments HostArguments(const std::string& function, const Arguments& a) {
    const int64_t V = 0x12050000;
    const std::map<std::string, std::function<Arguments()>> exceptions = {
        // The record calls end with the record's own format version, which the caller gives.
        {"NX_LoadEData", [&] { return a; }},
        {"NX_SaveEData", [&] { return a; }},
        {"NX_CreateEData", [&] { return a; }},
        {"NX_DeleteEData", [&] { return a; }},
        {"NX_NextEData",
         [&] {
             return Arguments{a[0], a[1], 0, 0, a[2]};
         }},
        {"NX_Dialog", [&] { return Arguments{a[0], a[1], a[2], 0, a[3], V}; }},
        {"NX_GetDlgString",
         [&] {
             return Arguments{a[0], a[1], a[2], 5000, V};
         }},
        {"NX_GetDlgString_UTF16",
         [&] {
             return Arguments{a[0], a[1], a[2], 5000, V};
         }},
        {"NX_AutoNumberedName_UTF16", [&] { return Arguments{a[0], a[1], a[2], 1000, 0, V}; }},
    };
    auto exception = exceptions.find(function);
    if (exception != exceptions.end())
        return exception->second();
    Arguments withVersion = a;
    withVersion.push_back(V);
    return withVersion;
}

class HostBridgeTest : public ::testing::Test {
protected:
    FreshModule fresh;
    SimHost host;
    unsigned char key[8] = {};
    unsigned char buffer[64] = {};
    uint32_t size = 64;
    char16_t name[kAutoNumberedNameCapacity] = {};
};

} // namespace

TEST_F(HostBridgeTest, EveryFunctionReachesTheHostWithItsArgumentsInOrder) {
    EveryBridgeFunction every;
    for (const BridgeCall& c : every.Calls()) {
        host.Log().Clear();
        c.call();
        ASSERT_EQ(1u, host.Log().Calls().size()) << c.function;
        EXPECT_EQ(c.function, host.Log().Calls()[0].function);
        EXPECT_EQ(HostArguments(c.function, c.arguments), host.Log().Calls()[0].arguments)
            << c.function;
    }
}

TEST_F(HostBridgeTest, ResultsComeBackWithSixteenBitOnesSignExtended) {
    // The simulated host truncates a scripted result to the width of its function's result.
    host.ScriptResult("NX_LoadEData", 0xFFFF);
    host.ScriptResult("NX_SlotToInst", 0x18005);
    host.ScriptResult("NX_GetCurrentTavrinDocument", -3);
    host.ScriptResult("NX_ExecuteMenuItem", 0x12345678);
    host.ScriptResult("NX_GetCurrentPartID", -7);
    host.ScriptResult("NX_AutoNumberedName_UTF16", 0x10000);
    EXPECT_EQ(-1, NX_LoadEData(1, key, buffer, &size, 0));
    EXPECT_EQ(-32763, NX_SlotToInst(1, 0));
    EXPECT_EQ(-3, NX_GetCurrentTavrinDocument());
    EXPECT_EQ(0x12345678, NX_ExecuteMenuItem(1));
    EXPECT_EQ(-7, NX_GetCurrentPartID());
    EXPECT_EQ(0x10000, NX_AutoNumberedName_UTF16(1, 1, name));
}

TEST_F(HostBridgeTest, EditEndAndCancelReachTheHostOnlyForOpenEdits) {
    EXPECT_EQ(1, NX_EndVarluneEdit()) << "no edit open: answered without the host";
    NX_CancelVarluneEdit();
    EXPECT_EQ(0u, host.Log().Calls().size());
    EXPECT_EQ(0, HostEditNesting());

    host.ScriptResult("NX_EndVarluneEdit", 1);
    NX_StartVarluneEdit_UTF16(u"Staff Set Panel");
    NX_StartVarluneEdit("Staff Set Panel");
    EXPECT_EQ(2, HostEditNesting());
    EXPECT_EQ(1, NX_EndVarluneEdit());
    NX_CancelVarluneEdit();
    EXPECT_EQ(0, HostEditNesting());
    NX_CancelVarluneEdit();
    EXPECT_EQ(1, NX_EndVarluneEdit());
    EXPECT_EQ(0, HostEditNesting()) << "never below zero";
    EXPECT_EQ(1u, host.Log().CountOf("NX_EndVarluneEdit"));
    EXPECT_EQ(1u, host.Log().CountOf("NX_CancelVarluneEdit"));
}
