// A simulated host of one version with a preference folder of its own (a fresh temporary
// folder unless a test names another), the plug-in told that version, and the files in the
// folder read and written byte for byte behind the plug-in's back.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/settings/PreferenceFiles.h"
#include "shell/EntryPoints.h"
#include "simhost/desktop/PreferenceFolder.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FreshModule.h"

namespace fs = std::filesystem;

constexpr uint32_t kEightBitHost = 0x10FFFFFF;
constexpr uint32_t kUtf16Host = 0x12050000;

// A literal's bytes up to its terminator, zero bytes included.
template <size_t N> std::string WithZeros(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// What the plug-in's text-mode writes put on disk for text with LF line ends.
inline std::string OnDisk(const std::string& text) {
#ifdef _WIN32
    std::string disk;
    for (char c : text)
        disk += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return disk;
#else
    return text;
#endif
}

class PreferenceHost {
public:
    explicit PreferenceHost(uint32_t version) : host(version), scratch(MakeTemporaryFolder()) {
        FreshModule::Reset();
        VarluneExtensionVersion(version);
    }
    ~PreferenceHost() {
        FreshModule::Reset();
        std::error_code ignored;
        fs::remove_all(scratch, ignored);
    }

    fs::path Folder() { return host.PreferenceFolder(); }
    fs::path File(const char* name = kPreferencesFileName) { return Folder() / name; }

    void Put(const std::string& bytes, const char* name = kPreferencesFileName) {
        std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
        out << bytes;
        ASSERT_TRUE(out.good()) << File(name);
    }
    // The file's bytes; "(none)" when there is no such file.
    std::string Disk(const char* name = kPreferencesFileName) {
        std::ifstream in(File(name), std::ios::binary);
        if (!in)
            return "(none)";
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool ReplacementLeftBehind() { return fs::exists(File("qmpluginprefs.txt.new")); }

    // The value stored under key in the preferences (or options) file, or "(none)".
    std::string Load(const std::string& key, bool preferences = true) {
        const NKString keyText(key.c_str());
        NKSettingsPair* pair = LoadSetting(&keyText, preferences);
        const std::string value = pair != nullptr ? pair->value.NarrowText() : "(none)";
        delete pair;
        return value;
    }
    bool Save(const std::string& key, const std::string& value) {
        const NKString keyText(key.c_str()), valueText(value.c_str());
        const NKSettingsPair pair(&keyText, &valueText);
        return SaveSetting(&pair);
    }

    SimHost host;
    // A folder of the test's own, for folders to give the host instead of its own.
    const fs::path scratch;
};

// Tests where the host's text width matters run on an 8-bit and on a UTF-16 host.
class EachHostWidth : public ::testing::TestWithParam<uint32_t>, public PreferenceHost {
protected:
    EachHostWidth() : PreferenceHost(GetParam()) {}
};

class UnicodeHost : public ::testing::Test, public PreferenceHost {
protected:
    UnicodeHost() : PreferenceHost(kUtf16Host) {}
};
