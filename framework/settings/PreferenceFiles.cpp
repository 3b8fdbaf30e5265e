#include "framework/settings/PreferenceFiles.h"

#include <memory>
#include <new>

#include "framework/settings/TextUnits.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

namespace {

// How the host's path call names the folder of the preference files.
constexpr int32_t kPreferenceFolderKindOld = 7;
constexpr int32_t kPreferenceFolderKind = 15;

// The preferences file's new content is written under this name first, beside it.
constexpr const char* kPreferencesReplacementName = "qmpluginprefs.txt.new";

NKString* CopyUnits(const NKString& text, uint32_t begin, uint32_t end) {
    NKString* copy = new (std::nothrow) NKString();
    if (copy != nullptr && !AssignUnits(*copy, text.WideText() + begin, end - begin)) {
        delete copy;
        copy = nullptr;
    }
    return copy;
}

// The pairs of the preferences or options file, or null when it does not open. failed tells
// whether the file was there but could not be read to its end.
NKSettingsPairs* ReadPairs(bool preferences, bool& failed) {
    failed = false;
    std::unique_ptr<NKTextFileStream> stream(CreatePreferenceStream(preferences));
    if (stream == nullptr) {
        failed = true;
        return nullptr;
    }
    if (!stream->OpenRead()) {
        failed = stream->FileExists();
        return nullptr;
    }
    std::unique_ptr<NKStrings> lines(stream->ReadAllLines());
    failed = stream->ReadFailed() || lines == nullptr;
    stream->Close();
    NKSettingsPairs* pairs = ParsePairs(lines.get());
    failed = failed || pairs == nullptr;
    return pairs;
}

// The new content of the preferences file: its pairs with the one stored.
bool WritePreferences(NKTextFileStream& stream, NKSettingsPairs* pairs,
                      const NKSettingsPair& stored) {
    NKSettingsPair* existing = pairs != nullptr ? pairs->FindPair(&stored.key) : nullptr;
    if (existing != nullptr) {
        existing->SetValue(&stored.value);
        return stream.WritePairs(pairs);
    }
    return (pairs == nullptr || stream.WritePairs(pairs)) && stream.WritePair(&stored);
}

} // namespace

NKTextFileStream* CreatePreferenceStream(bool preferences) {
    unsigned char folder[kHostPathBufferSize] = {};
    NX_GetVarlunePath(
        HostVersion() < kHostVersion10 ? kPreferenceFolderKindOld : kPreferenceFolderKind, folder);
    return new (std::nothrow)
        NKTextFileStream(folder, preferences ? kPreferencesFileName : kOptionsFileName);
}

NKSettingsPairs* ParsePairs(const NKStrings* lines) {
    if (lines == nullptr) {
        return nullptr;
    }
    std::unique_ptr<NKSettingsPairs> pairs(new (std::nothrow) NKSettingsPairs());
    if (pairs == nullptr) {
        return nullptr;
    }
    for (int32_t i = 0; i < lines->Count(); ++i) {
        const auto* line = static_cast<const NKString*>(lines->GetItemAt(i));
        const int32_t equals = line != nullptr ? line->FindNarrow("=") : -1;
        if (equals <= 0) {
            continue;
        }
        const auto split = static_cast<uint32_t>(equals);
        std::unique_ptr<NKString> key(CopyUnits(*line, 0, split));
        std::unique_ptr<NKString> value(CopyUnits(*line, split + 1, line->Length()));
        NKSettingsPair* pair = key != nullptr && value != nullptr
                                   ? new (std::nothrow) NKSettingsPair(key.get(), value.get())
                                   : nullptr;
        if (pair == nullptr || !pairs->Add(pair)) {
            return nullptr;
        }
    }
    return pairs.release();
}

NKSettingsPair* LoadSetting(const NKString* key, bool preferences) {
    bool failed = false;
    std::unique_ptr<NKSettingsPairs> pairs(ReadPairs(preferences, failed));
    const NKSettingsPair* found = pairs != nullptr ? pairs->FindPair(key) : nullptr;
    return found != nullptr ? new (std::nothrow) NKSettingsPair(&found->key, &found->value)
                            : nullptr;
}

bool SaveSetting(const NKSettingsPair* pair) {
    if (pair == nullptr) {
        return false;
    }
    // Writing back less than the file holds would lose pairs.
    bool failed = false;
    std::unique_ptr<NKSettingsPairs> pairs(ReadPairs(true, failed));
    if (failed) {
        return false;
    }
    std::unique_ptr<NKTextFileStream> target(CreatePreferenceStream(true));
    if (target == nullptr) {
        return false;
    }
    NKTextFileStream replacement(*target, kPreferencesReplacementName);
    if (!replacement.OpenWrite()) {
        return false;
    }
    const bool written = WritePreferences(replacement, pairs.get(), *pair);
    if (replacement.Close() && written && target->ReplaceFileWith(replacement)) {
        return true;
    }
    replacement.RemoveFile();
    return false;
}
