// The real module lookup under Windows. ctest runs this program under three names and says
// in NK_EXPECT_HOST which host the plug-in should find: VARLUNE (the program is VARLUNE.exe),
// KESTRIN (it is KESTRIN.exe) or NONE (neither is loaded).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/EveryBridgeFunction.h"
#include "tests/support/FreshModule.h"

namespace {

std::string ExpectedHost() {
    const char* expected = std::getenv("NK_EXPECT_HOST");
    return expected ? expected : "";
}

} // namespace

TEST(WindowsHostBinding, BindsToTheExecutableRunningUnderAHostName) {
    const std::string expected = ExpectedHost();
    if (expected != "VARLUNE" && expected != "KESTRIN")
        GTEST_SKIP() << "this run is not under a host name";
    FreshModule fresh;
    SimHost host;
    HMODULE self = GetModuleHandleA(nullptr);
    if (expected == "VARLUNE") {
        EXPECT_EQ(self, GetModuleHandleA("VARLUNE.EXE"));
    } else {
        EXPECT_EQ(nullptr, GetModuleHandleA("VARLUNE.EXE"));
        EXPECT_EQ(self, GetModuleHandleA("KESTRIN.EXE"));
    }
    EveryBridgeFunction every;
    for (const BridgeCall& c : every.Calls()) {
        c.call();
        EXPECT_EQ(1u, host.Log().CountOf(c.function)) << c.function << " reached the host";
    }
    host.ScriptResult("NX_SlotToInst", -4);
    EXPECT_EQ(-4, NX_SlotToInst(1, 0)) << "16-bit result widened with its sign";
}

TEST(WindowsHostBinding, WithoutAHostEveryFunctionAnswersMissingAndTheSearchIsNotRepeated) {
    if (ExpectedHost() != "NONE")
        GTEST_SKIP() << "this run is under a host name";
    FreshModule fresh;
    SimHost host;
    ASSERT_EQ(nullptr, GetModuleHandleA("VARLUNE.EXE"));
    ASSERT_EQ(nullptr, GetModuleHandleA("KESTRIN.EXE"));
    EveryBridgeFunction every;
    for (const BridgeCall& c : every.Calls())
        EXPECT_EQ(c.missing, c.call()) << c.function;
    // This program exports the host functions itself: an empty log also shows that the bridge
    // never falls back to searching the running executable.
    EXPECT_TRUE(host.Log().Calls().empty());

    // Once a module named VARLUNE.EXE is loaded, a new search would find it; none is made.
    HMODULE late = LoadLibraryA("..\\as-varlune\\VARLUNE.exe");
    ASSERT_NE(nullptr, late);
    EXPECT_EQ(late, GetModuleHandleA("VARLUNE.EXE"));
    EXPECT_EQ(0, NX_GetCurrentTavrinDocument());
    EXPECT_EQ(-1, NX_GetCurrentPartID());
    EXPECT_TRUE(host.Log().Calls().empty());
    FreeLibrary(late);
}

TEST(WindowsPluginDll, CarriesThePanelTemplateAndOnlyUndecoratedEntryPoints) {
    HMODULE dll = LoadLibraryA(NK_PLUGIN_MODULE_PATH);
    ASSERT_NE(nullptr, dll);
    EXPECT_NE(nullptr, FindResourceA(dll, MAKEINTRESOURCEA(20128), MAKEINTRESOURCEA(5)))
        << "dialog template 20128";
    EXPECT_NE(nullptr, GetProcAddress(dll, "VarluneExtensionInit"));
    EXPECT_EQ(nullptr, GetProcAddress(dll, "VarluneExtensionInit@8"));
    EXPECT_EQ(nullptr, GetProcAddress(dll, "_VarluneExtensionInit@8"));
    FreeLibrary(dll);
}
