// The host's conversion between UTF-8 and UTF-16 at the edges where text breaks: surrogates
// alone or in pairs, and UTF-8 that does not encode a character.
#include <gtest/gtest.h>

#include "simhost/documents/UtfConversion.h"

namespace {

const std::string kReplacement = "\xEF\xBF\xBD"; // U+FFFD
const std::string kClef = "\xF0\x9D\x84\x9E";    // U+1D11E, a surrogate pair in UTF-16

struct Conversion {
    std::u16string utf16;
    std::string utf8;
};

} // namespace

TEST(UtfConversion, ALoneSurrogateBecomesTheReplacementAndAPairOneCharacter) {
    const Conversion cases[] = {
        {u"\xD834\xDD1E", kClef},
        {std::u16string{0xD834, u'Z'}, kReplacement + "Z"},
        {std::u16string{0xD834}, kReplacement},
        {std::u16string{0xDD1E, u'Z'}, kReplacement + "Z"},
        {std::u16string{0xDD1E, 0xD834}, kReplacement + kReplacement},
        {std::u16string{0xD834, 0xD834, 0xDD1E}, kReplacement + kClef},
        {u"B\u266Dx\u00FC", "B\xE2\x99\xADx\xC3\xBC"},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(c.utf8, Utf16ToUtf8(c.utf16)) << c.utf8;
}

TEST(UtfConversion, UTF8ThatEncodesNoCharacterBecomesTheReplacement) {
    const Conversion cases[] = {
        {u"\xD834\xDD1E", kClef},                      // a pair
        {u"B\u266Dx\u00FC", "B\xE2\x99\xADx\xC3\xBC"}, // characters of one to three bytes
        {u"\xFFFDZ", "\x80Z"},                         // a continuation without a lead
        {u"\xFFFDZ", "\xE2\x99Z"},                     // a sequence cut short
        {u"\xFFFD", "\xC1\xBF"},                       // overlong
        {u"\xFFFD", "\xED\xA0\xB4"},                   // an encoded surrogate
        {u"\xFFFD", "\xF4\x90\x80\x80"},               // beyond U+10FFFF
        {u"\xFFFD\xFFFD", "\xFF\xFE"},                 // bytes that lead nothing
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(c.utf16, Utf8ToUtf16(c.utf8)) << c.utf8;
}
