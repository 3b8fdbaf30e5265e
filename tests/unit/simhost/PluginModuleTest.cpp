// The built plug-in module, loaded from its file the way the host loads it.
#include <gtest/gtest.h>

#include "simhost/hostfunctions/Handshake.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

TEST(PluginModule, TheBuiltModuleAnswersTheHostsHandshake) {
    SimHost host(0x11000000);
    PluginModule plugin(NK_PLUGIN_MODULE_PATH);
    ASSERT_TRUE(plugin.Loaded());
    EXPECT_TRUE(plugin.MissingEntryPoints().empty());

    HandshakeReport report = RunHandshake(plugin, 0x11000000);
    EXPECT_EQ(0x0F000000u, report.answeredVersion);
    EXPECT_EQ(1, report.initResult);
    EXPECT_EQ(1u, report.initFlags);
    for (const MenuEntry* entry : {&report.narrowEntry, &report.wideEntry}) {
        EXPECT_EQ(1, entry->result);
        EXPECT_EQ("QM Staff Set Panel...", entry->menuText);
        EXPECT_EQ("Name and view staff sets for the score.", entry->description);
        EXPECT_EQ("Staff Set Panel", entry->shortName);
        EXPECT_EQ(0, entry->trailer);
    }
    EXPECT_EQ(0, report.secondEntryResult);
    EXPECT_EQ(1, report.menuStatus);
    plugin.Terminate();
}

TEST(PluginModule, AFileThatIsNoPluginIsReportedSo) {
    PluginModule missing("nonexistent-folder/QMStaffSetPanel.module");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_FALSE(missing.Usable());
    EXPECT_EQ(7u, missing.MissingEntryPoints().size());
}
