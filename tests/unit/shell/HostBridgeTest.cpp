// The bridge as the host receives it: which function, which arguments in which order, and
// which result comes back. Runs natively and, as VARLUNE.EXE, under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/HostBridge.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FreshModule.h"

namespace {

int64_t Address(const void* p) {
    return static_cast<int64_t>(reinterpret_cast<intptr_t>(p));
}

HWND FakeWindow(uintptr_t value) {
    return reinterpret_cast<HWND>(value);
}

INT_PTR WINAPI SomeCallback(HWND, UINT, WPARAM, LPARAM, void*) {
    return 0;
}

struct BridgeCase {
    std::string function;
    std::function<void()> call;
    std::vector<int64_t> expected;
};

class HostBridgeTest : public ::testing::Test {
protected:
    FreshModule fresh;
    SimHost host;
    unsigned char key[8] = {};
    unsigned char buffer[64] = {};
    uint32_t size = 64;
    char narrow[kDlgStringCapacity] = {};
    char16_t wide[kDlgStringCapacity] = {};
    char16_t name[kAutoNumberedNameCapacity] = {};
    unsigned char value4[4] = {}, region[20] = {}, second[20] = {};
    unsigned char folder[520] = {}; // the host writes its preference folder here
};

} // namespace

TEST_F(HostBridgeTest, EveryFunctionReachesTheHostWithItsArgumentsInOrder) {
    const int64_t V = kApiVersion;
    const HWND dialog = FakeWindow(0x5150);
    int dialogData = 0;
    const std::vector<BridgeCase> cases = {
        {"NX_LoadEData",
         [&] { NX_LoadEData(0x534F4953, key, buffer, &size, 0x12050000); },
         {0x534F4953, Address(key), Address(buffer), Address(&size), 0x12050000}},
        {"NX_SaveEData",
         [&] { NX_SaveEData(0x534F4953, key, buffer, 12, 0x11000000); },
         {0x534F4953, Address(key), Address(buffer), 12, 0x11000000}},
        {"NX_CreateEData",
         [&] { NX_CreateEData(0x70666C53, key, buffer, 30, 0x10000001); },
         {0x70666C53, Address(key), Address(buffer), 30, 0x10000001}},
        {"NX_DeleteEData",
         [&] { NX_DeleteEData(0x70666C53, key, 0x10000001); },
         {0x70666C53, Address(key), 0x10000001}},
        {"NX_NextEData",
         [&] { NX_NextEData(0x70666C53, key, 0x10000001); },
         {0x70666C53, Address(key), 0, 0, 0x10000001}},
        {"NX_Dialog",
         [&] { NX_Dialog(20128, SomeCallback, FakeWindow(0x77), &dialogData); },
         {20128, Address(reinterpret_cast<void*>(&SomeCallback)), 0x77, 0, Address(&dialogData),
          V}},
        {"NX_EndDialog", [&] { NX_EndDialog(dialog); }, {0x5150, V}},
        {"NX_EnableDlgItem", [&] { NX_EnableDlgItem(dialog, 104, 1); }, {0x5150, 104, 1, V}},
        {"NX_GetDlgItemVal", [&] { NX_GetDlgItemVal(dialog, 102, 3); }, {0x5150, 102, 3, V}},
        {"NX_SetDlgItemVal",
         [&] { NX_SetDlgItemVal(dialog, 102, 3, -9); },
         {0x5150, 102, 3, -9, V}},
        {"NX_GetDlgString",
         [&] { NX_GetDlgString(dialog, 102, narrow); },
         {0x5150, 102, Address(narrow), 5000, V}},
        {"NX_GetDlgString_UTF16",
         [&] { NX_GetDlgString_UTF16(dialog, 102, wide); },
         {0x5150, 102, Address(wide), 5000, V}},
        {"NX_SetDlgString",
         [&] { NX_SetDlgString(dialog, 102, narrow); },
         {0x5150, 102, Address(narrow), V}},
        {"NX_SetDlgString_UTF16",
         [&] { NX_SetDlgString_UTF16(dialog, 102, wide); },
         {0x5150, 102, Address(wide), V}},
        {"NX_SlotToInst", [&] { NX_SlotToInst(3, -35); }, {3, -35, V}},
        {"NX_InstToSlot", [&] { NX_InstToSlot(12, 0); }, {12, 0, V}},
        {"NX_GetCurERegions",
         [&] { NX_GetCurERegions(value4, region, second); },
         {Address(value4), Address(region), Address(second), V}},
        {"NX_RedrawMusic", [&] { NX_RedrawMusic(second); }, {Address(second), V}},
        {"NX_GetCurrentTavrinDocument", [&] { NX_GetCurrentTavrinDocument(); }, {V}},
        {"NX_GetVarlunePath", [&] { NX_GetVarlunePath(15, folder); }, {15, Address(folder), V}},
        {"NX_ExecuteMenuItem", [&] { NX_ExecuteMenuItem(10614); }, {10614, V}},
        {"NX_GetCurrentWindow", [&] { NX_GetCurrentWindow(); }, {V}},
        {"NX_GetCurrentPartID", [&] { NX_GetCurrentPartID(); }, {V}},
        {"NX_SetCurrentPartID", [&] { NX_SetCurrentPartID(2); }, {2, V}},
        {"NX_AutoNumberedName_UTF16",
         [&] { NX_AutoNumberedName_UTF16(41, 7, name); },
         {41, 7, Address(name), 1000, 0, V}},
        {"NX_StartVarluneEdit", [&] { NX_StartVarluneEdit(narrow); }, {Address(narrow), V}},
        {"NX_EndVarluneEdit", [&] { NX_EndVarluneEdit(); }, {V}},
        {"NX_StartVarluneEdit_UTF16", [&] { NX_StartVarluneEdit_UTF16(wide); }, {Address(wide), V}},
        {"NX_CancelVarluneEdit", [&] { NX_CancelVarluneEdit(); }, {V}},
    };
    for (const BridgeCase& c : cases) {
        host.Log().Clear();
        c.call();
        ASSERT_EQ(1u, host.Log().Calls().size()) << c.function;
        EXPECT_EQ(c.function, host.Log().Calls()[0].function);
        EXPECT_EQ(c.expected, host.Log().Calls()[0].arguments) << c.function;
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
