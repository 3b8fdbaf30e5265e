// The simulated host's side of the preference folder: which path kinds it answers, in which
// text, and how long its temporary folder lives.
#include <cstring>
#include <string>

#include "simhost/desktop/PanelFacts.h"
#include "simhost/hostfunctions/HostFunctions.h"
#include "tests/unit/settings/PreferenceHost.h"

namespace {

int32_t AskHost(int32_t kind, unsigned char (&buffer)[520]) {
    std::memset(buffer, 0xEE, sizeof buffer);
    return Host_NX_GetVarlunePath(kind, buffer, 0x12050000);
}

// The folder as the host names it: in Windows form, "\" between folders.
std::u16string HostForm(const fs::path& folder) {
    std::u16string units = folder.u16string();
    for (char16_t& unit : units)
        if (unit == u'/')
            unit = u'\\';
    return units;
}

} // namespace

TEST(SimulatedHostPreferenceFolder, AnswersKindsSevenAndFifteenOnly) {
    SimHost host(kUtf16Host);
    host.SetPreferenceFolder("C:\\Prefs");
    unsigned char buffer[520];
    for (int32_t kind : {0, 1, 6, 8, 14, 16, -1}) {
        EXPECT_EQ(0, AskHost(kind, buffer)) << kind;
        EXPECT_EQ(0xEE, buffer[0]) << "nothing written for kind " << kind;
    }
    for (int32_t kind : {7, 15}) {
        ASSERT_EQ(1, AskHost(kind, buffer)) << kind;
        const char16_t expected[] = u"C:\\Prefs";
        EXPECT_EQ(0, std::memcmp(buffer, expected, sizeof expected)) << kind;
    }
    EXPECT_EQ(0, Host_NX_GetVarlunePath(15, nullptr, 0x12050000));
}

TEST(SimulatedHostPreferenceFolder, NamesItIn8BitTextBeforeVersion11AndInUtf16FromIt) {
    unsigned char buffer[520];
    {
        SimHost host(0x10FFFFFF);
        host.SetPreferenceFolder(fs::u8path(u8"C:\\Pr\u00E9fs"));
        ASSERT_EQ(1, AskHost(7, buffer));
        const char expected[] = "C:\\Pr\xE9"
                                "fs";
        EXPECT_EQ(0, std::memcmp(buffer, expected, sizeof expected)) << "with its terminator";
    }
    {
        SimHost host(0x11000000);
        host.SetPreferenceFolder(fs::u8path(u8"C:\\Pr\u00E9fs \u03A9"));
        ASSERT_EQ(1, AskHost(15, buffer));
        const char16_t expected[] = u"C:\\Pr\u00E9fs \u03A9";
        EXPECT_EQ(0, std::memcmp(buffer, expected, sizeof expected));
    }
}

TEST(SimulatedHostPreferenceFolder, RefusesANameThatDoesNotFitTheBuffer) {
    SimHost host(kUtf16Host);
    unsigned char buffer[520];
    host.SetPreferenceFolder(std::string(259, 'f'));
    EXPECT_EQ(1, AskHost(15, buffer)) << "259 units and the terminator fill it";
    host.SetPreferenceFolder(std::string(260, 'f'));
    EXPECT_EQ(0, AskHost(15, buffer));
    EXPECT_EQ(0xEE, buffer[0]);
}

TEST(SimulatedHostPreferenceFolder, NamesItsOwnFolderInWindowsFormAndRemovesItWhenItGoes) {
    fs::path folder;
    unsigned char buffer[520];
    {
        SimHost host(kUtf16Host);
        folder = host.PreferenceFolder();
        ASSERT_TRUE(fs::is_directory(folder));
        ASSERT_EQ(1, AskHost(15, buffer));
        const std::u16string expected = HostForm(folder);
        EXPECT_EQ(0, std::memcmp(buffer, expected.c_str(), (expected.size() + 1) * 2));
        std::ofstream(folder / PanelFacts::kPreferencesFile) << "a=1\n";
    }
    EXPECT_FALSE(fs::exists(folder));

    const fs::path own = MakeTemporaryFolder();
    {
        SimHost host(kUtf16Host);
        host.SetPreferenceFolder(own);
    }
    EXPECT_TRUE(fs::is_directory(own)) << "a folder the caller set is the caller's";
    fs::remove_all(own);
}
