// The names the file door gives the host's UTF-16 paths on a system whose names are UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/HostFiles.h"
#include "simhost/desktop/PreferenceFolder.h"

namespace fs = std::filesystem;

TEST(HostFiles, AUtf16NameBecomesUtf8AndEachUnpairedSurrogateTheReplacementCharacter) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes a UTF-16 name as it is";
#else
    const fs::path folder = MakeTemporaryFolder();
    ASSERT_FALSE(folder.empty());
    std::u16string folderInHostForm;
    for (char c : folder.string())
        folderInHostForm += c == '/' ? u'\\' : static_cast<char16_t>(c);
    const struct {
        std::u16string name;
        std::string onDisk;
    } names[] = {
        {{u'a', 0xD800, u'z'}, "a\xEF\xBF\xBDz"}, // a high surrogate alone: the z stays a z
        {{u'c', 0xDC00}, "c\xEF\xBF\xBD"},        // a low surrogate alone
        {{0xD834, 0xDD1E}, "\xF0\x9D\x84\x9E"},   // a pair: U+1D11E, the G clef
        {{0xE9, 0x266D}, "\xC3\xA9\xE2\x99\xAD"}, // two bytes and three
    };
    for (const auto& name : names) {
        const std::u16string path = folderInHostForm + u'\\' + name.name;
        FILE* file = OpenHostFile(path.c_str(), "w");
        ASSERT_NE(nullptr, file) << name.onDisk;
        std::fclose(file);
        EXPECT_TRUE(fs::exists(folder / name.onDisk)) << name.onDisk;
        EXPECT_TRUE(RemoveHostFile(path.c_str())) << name.onDisk;
    }
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove_all(folder);
#endif
}
