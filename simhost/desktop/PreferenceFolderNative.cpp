#include "simhost/desktop/PreferenceFolder.h"

std::optional<std::string> InHostCodePage(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
        if (unit > 0xFF)
            return std::nullopt;
        bytes += static_cast<char>(unit);
    }
    return bytes;
}
