#include "simhost/desktop/PreferenceFolder.h"

#include <algorithm>
#include <random>
#include <string>
#include <system_error>

#include "simhost/documents/HostText.h"
#include "simhost/documents/HostVersions.h"

namespace fs = std::filesystem;

fs::path MakeTemporaryFolder() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error)
        return {};
    std::random_device seed;
    std::mt19937 numbers(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path folder = base / ("simhost-prefs-" + std::to_string(numbers()));
        if (fs::create_directory(folder, error))
            return folder;
    }
    return {};
}

// Host functions are called across the stdcall boundary, which nothing may be thrown over.
std::optional<Bytes> HostFolderText(uint32_t hostVersion, const fs::path& folder,
                                    size_t maxBytes) try {
    if (folder.empty())
        return std::nullopt;
    std::u16string units = folder.u16string();
    std::replace(units.begin(), units.end(), u'/', u'\\');
    Bytes text;
    if (IsUnicodeHost(hostVersion)) {
        text = Utf16HostBytes(units);
    } else {
        std::optional<std::string> bytes = InHostCodePage(units);
        if (!bytes)
            return std::nullopt;
        text.assign(bytes->begin(), bytes->end());
        text.push_back(0);
    }
    if (text.size() > maxBytes)
        return std::nullopt;
    return text;
} catch (...) {
    return std::nullopt;
}
