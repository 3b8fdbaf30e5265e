#include "simhost/documents/UtfConversion.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCharacter = 0x10FFFF;
constexpr char32_t kFirstSupplementary = 0x10000; // the first character needing a pair

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character whose sequence starts at utf8[i], with i moved past it. A malformed sequence
// gives U+FFFD and leaves i on the byte that broke it, so that byte starts the next one.
char32_t DecodeAt(const std::string& utf8, size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    if (lead < 0x80)
        return lead;
    const size_t continuations = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    // A continuation byte without a lead, or a byte that leads nothing.
    if (continuations == 0 || lead > 0xF7)
        return kReplacement;
    char32_t code = lead & (0x3F >> continuations);
    const char32_t smallest = continuations == 1   ? 0x80 // below it the sequence is overlong
                              : continuations == 2 ? 0x800
                                                   : kFirstSupplementary;
    for (size_t k = 0; k < continuations; ++k) {
        if (i >= utf8.size() || !IsContinuation(static_cast<unsigned char>(utf8[i])))
            return kReplacement;
        code = (code << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
    }
    if (code < smallest || code > kLastCharacter || IsHighSurrogate(code) || IsLowSurrogate(code))
        return kReplacement;
    return code;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < kFirstSupplementary) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::u16string Utf8ToUtf16(const std::string& utf8) {
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        char32_t code = DecodeAt(utf8, i);
        if (code >= kFirstSupplementary) {
            code -= kFirstSupplementary;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            c = kFirstSupplementary + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (IsHighSurrogate(c) || IsLowSurrogate(c))
            c = kReplacement;
        AppendUtf8(out, c);
    }
    return out;
}

size_t Utf8CharacterCount(const std::string& utf8) {
    size_t characters = 0;
    for (char byte : utf8)
        characters += !IsContinuation(static_cast<unsigned char>(byte));
    return characters;
}
