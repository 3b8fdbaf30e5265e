// Arbitrary bytes as the preference files in the host's folder, then one key loaded and one
// stored. What the plug-in finds and writes is checked against a reading of the same bytes
// done here: lines end at LF, CR LF or CR; a line with "=" after its first byte is a pair,
// split at the first "=" and trimmed of space, tab, CR and LF; keys match whatever the case
// of A to Z. A save writes every pair back in order, the first pair with the key holding the
// new value (or a new last pair), and nothing else; a save that fails leaves the file as it
// was and nothing beside it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/settings/PreferenceFiles.h"
#include "shell/EntryPoints.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"
#include "simhost/desktop/PreferenceFolder.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FileSizeLimit.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kEightBitHost = 0x10FFFFFF;
constexpr uint32_t kUtf16Host = 0x12050000;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

struct Pair {
    std::string key, value;
};

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<Pair> PairsOf(const std::string& bytes) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += bytes[i];
        }
    }
    std::vector<Pair> pairs;
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0)
            continue;
        pairs.push_back({Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
    }
    return pairs;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Matches(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

const Pair* FirstWithKey(const std::vector<Pair>& pairs, const std::string& key) {
    for (const Pair& pair : pairs)
        if (Matches(pair.key, key))
            return &pair;
    return nullptr;
}

// The bytes as units of their value, zero bytes included.
NKString Text(const std::string& bytes) {
    NKString text("");
    for (char c : bytes)
        text.AppendChar(static_cast<unsigned char>(c));
    return text;
}

std::string BytesOf(const NKString& text) {
    std::string bytes;
    for (uint32_t i = 0; i < text.Length(); ++i)
        bytes += static_cast<char>(text.CharAt(i) & 0xFF);
    return bytes;
}

void Put(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const fs::path& Folder() {
    static const fs::path folder = MakeTemporaryFolder();
    return folder;
}

void Reset() {
    ResetHostBridgeForTests();
    ResetHostVersionForTests();
}

// Both files give the first pair with the key.
void CheckLoads(const std::string& key, const std::vector<Pair>& preferencePairs,
                const std::string& optionsContent) {
    const NKString searched = Text(key);
    for (bool fromPreferences : {true, false}) {
        std::unique_ptr<NKSettingsPair> loaded(LoadSetting(&searched, fromPreferences));
        const std::vector<Pair> filePairs =
            fromPreferences ? preferencePairs : PairsOf(optionsContent);
        const Pair* expected = FirstWithKey(filePairs, key);
        Check((loaded != nullptr) == (expected != nullptr));
        if (loaded) {
            Check(BytesOf(loaded->key) == expected->key);
            Check(BytesOf(loaded->value) == expected->value);
        }
    }
}

// The preference file's bytes after the pair is saved: the first pair with the key takes the
// value, or the pair is added at the end.
std::string AfterSaving(std::vector<Pair> pairs, const std::string& key, const std::string& value) {
    bool replaced = false;
    for (Pair& pair : pairs) {
        if (Matches(pair.key, Trimmed(key))) {
            pair.value = Trimmed(value);
            replaced = true;
            break;
        }
    }
    if (!replaced)
        pairs.push_back({Trimmed(key), Trimmed(value)});
    std::string written;
    for (const Pair& pair : pairs)
        written += pair.key + "=" + pair.value + "\n";
    return written;
}

// Saves the pair, with the disk filling up after the given bytes when one is given.
bool Save(const std::string& key, const std::string& value, std::optional<uint64_t> diskRoom) {
    const NKString keyText = Text(key), valueText = Text(value);
    const NKSettingsPair stored(&keyText, &valueText);
    std::optional<FileSizeLimit> full;
    if (diskRoom) {
        full.emplace(*diskRoom);
        Check(full->Holds());
    }
    return SaveSetting(&stored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint32_t version = input.ConsumeBool() ? kEightBitHost : kUtf16Host;
    const bool fileExists = input.ConsumeBool();
    const bool diskFull = input.ConsumeBool();
    const auto diskRoom = input.ConsumeIntegralInRange<int64_t>(0, 256);
    const std::string loadKey = input.ConsumeRandomLengthString(40);
    const std::string saveKey = input.ConsumeRandomLengthString(40);
    const std::string saveValue = input.ConsumeRandomLengthString(40);
    const std::string content = input.ConsumeRemainingBytesAsString();

    Reset();
    SimHost host(version);
    host.SetPreferenceFolder(Folder());
    VarluneExtensionVersion(version);
    const fs::path preferences = Folder() / kPreferencesFileName;
    const fs::path options = Folder() / kOptionsFileName;
    const fs::path replacement = Folder() / "qmpluginprefs.txt.new";
    std::error_code ignored;
    fs::remove(preferences, ignored);
    fs::remove(replacement, ignored);
    if (fileExists)
        Put(preferences, content);
    Put(options, content);
    const std::vector<Pair> pairs = fileExists ? PairsOf(content) : std::vector<Pair>();

    CheckLoads(loadKey, pairs, content);

    const std::string written = AfterSaving(pairs, saveKey, saveValue);
    const bool saved =
        Save(saveKey, saveValue, diskFull ? std::optional<uint64_t>(diskRoom) : std::nullopt);
    Check(!fs::exists(replacement));
    if (saved) {
        Check(Read(preferences) == written);
    } else {
        Check(diskFull && diskRoom < static_cast<int64_t>(written.size()));
        Check(fs::exists(preferences) == fileExists);
        if (fileExists)
            Check(Read(preferences) == content);
    }
    Reset();
    return 0;
}
