#include "framework/core/NKString.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::u16string Units(const NKString& s) {
    return s.WideText();
}

TEST(NKStringTest, BuffersAreMadeOnDemandAndGrowInStepsOfTen) {
    NKString empty;
    EXPECT_EQ(empty.Capacity(), 10u);
    EXPECT_STREQ(empty.NarrowText(), "");

    NKString none(nullptr);
    EXPECT_EQ(none.Capacity(), 0u);
    EXPECT_EQ(Units(none), u""); // never a null pointer
    none.TrimBlanks();
    EXPECT_FALSE(none.RemoveFontTags());
    none.AppendNarrow("ab");
    EXPECT_STREQ(none.NarrowText(), "ab");
    EXPECT_EQ(none.Capacity(), 10u);

    NKString grown;
    for (uint32_t n = 1; n <= 45; ++n) {
        grown.AppendChar(static_cast<char16_t>(u'a' + n % 26));
        ASSERT_EQ(grown.Capacity(), (n / 10 + 1) * 10) << n;
        ASSERT_EQ(grown.CharAt(n), 0) << n;
    }
    NKString appended("123456789");
    appended.AppendNarrow("0");
    EXPECT_EQ(appended.Capacity(), 20u);
    appended.Append(&grown);
    EXPECT_EQ(appended.Capacity(), 60u);

    // Never shrinks, until a null text drops the buffer.
    appended.AssignNarrow("x");
    EXPECT_EQ(appended.Capacity(), 60u);
    appended.AssignNarrow(nullptr);
    EXPECT_EQ(appended.Capacity(), 0u);
    EXPECT_EQ(appended.Length(), 0u);
}

TEST(NKStringTest, ReservedRoomTakesTheTextWithoutGrowingAgain) {
    NKString s("keep");
    EXPECT_TRUE(s.Reserve(25));
    EXPECT_EQ(s.Capacity(), 30u);
    EXPECT_EQ(Units(s), u"keep");
    while (s.Length() < 25)
        s.AppendChar(u'x');
    EXPECT_EQ(s.Capacity(), 30u);
    EXPECT_TRUE(s.Reserve(5));
    EXPECT_EQ(s.Capacity(), 30u) << "never shrinks";

    EXPECT_FALSE(s.Reserve(UINT32_MAX));
    EXPECT_FALSE(s.Reserve(UINT64_MAX)) << "room for one more unit than this cannot be counted";
    EXPECT_EQ(s.Capacity(), 30u);
    EXPECT_EQ(s.Length(), 25u);
}

TEST(NKStringTest, NarrowAndWideRoundTrips) {
    NKString s("\xE9");
    EXPECT_EQ(s.CharAt(0), 0xE9);
    EXPECT_STREQ(s.NarrowText(), "\xE9");
    s.AssignWide(u"\u0141x");
    EXPECT_EQ(s.CharAt(0), 0x141);
    EXPECT_STREQ(s.NarrowText(), "?x") << "not the low byte 'A'";
    // An en dash's low byte is a control character, a CJK character's an unrelated letter.
    s.AssignWide(u"tutti \u2013 \u5F26 \U0001D11E\u00FF");
    EXPECT_STREQ(s.NarrowText(), "tutti ? ? ??\xFF");
    s.AssignWide(u"\u015Efont(x)");
    EXPECT_FALSE(s.HasNarrowPrefix("^font")) << "U+015E is not '^'";

    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    s.AssignNarrow(bytes.c_str());
    NKString wide;
    wide.AssignWide(s.WideText());
    const char* held = wide.NarrowText();
    EXPECT_EQ(std::string(held), bytes);
    EXPECT_TRUE(wide.HasNarrowPrefix("\x01\x02"));
    EXPECT_EQ(std::string(held), bytes); // a prefix test leaves the narrow copy alone

    s.AssignNarrow("abcdef");
    s.AssignWide(s.WideText() + 2);
    s.AssignNarrow(s.NarrowText() + 1);
    EXPECT_STREQ(s.NarrowText(), "def");
}

TEST(NKStringTest, AssignAppendAndCopiesKeepTheirOwnText) {
    NKString source("source"), target("old text");
    target.Assign(&source);
    target.Assign(&target);
    EXPECT_STREQ(target.NarrowText(), "source");
    target.Assign(nullptr);
    EXPECT_EQ(target.Length(), 0u);

    NKString twice("abcdefgh");
    twice.Append(&twice); // grows while reading itself
    EXPECT_STREQ(twice.NarrowText(), "abcdefghabcdefgh");

    source.UserData = 7;
    NKString copy(source);
    EXPECT_NE(copy.WideText(), source.WideText());
    EXPECT_EQ(copy.UserData, 7);
    copy.AppendChar(u'!');
    EXPECT_STREQ(source.NarrowText(), "source");
    NKString assigned;
    assigned = copy;
    copy.AssignNarrow("changed");
    const NKString& alias = assigned;
    assigned = alias;
    EXPECT_STREQ(assigned.NarrowText(), "source!");

    NKString n;
    n.AssignNumber(0);
    EXPECT_STREQ(n.NarrowText(), "0");
    n.AssignNumber(INT32_MIN);
    n.AppendNumber(INT32_MAX);
    EXPECT_STREQ(n.NarrowText(), "-21474836482147483647");
}

TEST(NKStringTest, ComparisonsAndSearches) {
    NKString abc("Abc"), lower("abc"), ab("ab"), empty(""), none(nullptr), high, letterA("A");
    high.AssignWide(u"\u0141");
    EXPECT_FALSE(abc.Equals(&lower));
    EXPECT_FALSE(lower.Equals(&ab));
    EXPECT_FALSE(lower.Equals(nullptr));
    EXPECT_TRUE(empty.Equals(&none));
    EXPECT_FALSE(high.Equals(&letterA)); // whole units, not low bytes
    EXPECT_TRUE(lower.HasPrefix(&empty));
    EXPECT_FALSE(ab.HasPrefix(&lower));
    EXPECT_FALSE(ab.HasNarrowPrefix("abc"));
    EXPECT_FALSE(high.HasNarrowPrefix("A")) << "U+0141 reads as \"?\", not its low byte";
    EXPECT_TRUE(high.HasNarrowPrefix("?"));

    NKString banana("banana"), a("a"), nana("nana"), ana("ana");
    EXPECT_EQ(banana.Find(&a, 2), 3);
    EXPECT_EQ(banana.Find(&a, 6), -1);
    EXPECT_EQ(banana.Find(&a, -3), 1);
    EXPECT_EQ(ana.Find(&nana, 0), -1);
    EXPECT_EQ(banana.Find(nullptr, 0), -1);
    EXPECT_EQ(banana.Find(&empty, 6), 6);
    EXPECT_EQ(banana.Find(&empty, 7), -1);
    NKString cafe;
    cafe.AssignWide(u"caf\u00E9 \u0141");
    EXPECT_EQ(cafe.FindNarrow("\xE9", 0), 3);
    EXPECT_EQ(cafe.FindNarrow("A", 0), -1);
}

TEST(NKStringTest, Trimming) {
    const struct {
        const char* in;
        bool blanks;
        const char* out;
    } cases[] = {{" \t a b \r\n", true, "a b"},
                 {"   ", true, ""},
                 {" a\r\n", false, " a"},
                 {"\r\n\t x\n", false, "\t x"},
                 {"\n\r\n", false, ""}};
    for (const auto& c : cases) {
        NKString s(c.in);
        c.blanks ? s.TrimBlanks() : s.TrimLineBreaks();
        EXPECT_STREQ(s.NarrowText(), c.out) << c.in;
    }
}

TEST(NKStringTest, ReplaceAllNarrow) {
    const struct {
        const char* in;
        const char* search;
        const char* replacement;
        const char* out;
        bool replaced;
    } cases[] = {
        {"E^flat() and B^flat()", "^flat()", "b", "Eb and Bb", true},
        {"Eb and Bb", "^sharp()", "#", "Eb and Bb", false},
        {"aa", "a", "aa", "aaaa", true},
        {"banana", "a", "<a>", "b<a>n<a>n<a>", true},
        // Goes on at the point of removal, and does not match across the joint.
        {"aabb", "ab", "", "ab", true},
        {"aaa", "aa", "b", "ba", true}, // occurrences do not overlap
        {"x-x-x", "-", nullptr, "xxx", true},
        {"xxx", "", "y", "xxx", false},
        {"xxx", nullptr, "y", "xxx", false},
    };
    for (const auto& c : cases) {
        NKString s(c.in);
        EXPECT_EQ(s.ReplaceAllNarrow(c.search, c.replacement), c.replaced) << c.in;
        EXPECT_STREQ(s.NarrowText(), c.out) << c.in;
    }

    NKString wide;
    wide.AssignWide(u"\u0141^flat()\u20AC");
    EXPECT_TRUE(wide.ReplaceAllNarrow("^flat()", "b"));
    EXPECT_EQ(Units(wide), u"\u0141b\u20AC");

    std::string longText, expected;
    for (int i = 0; i < 1000; ++i) {
        longText += "B^flat()";
        expected += "B[flat]";
    }
    NKString s(longText.c_str());
    EXPECT_TRUE(s.ReplaceAllNarrow("^flat()", "[flat]"));
    EXPECT_EQ(std::string(s.NarrowText()), expected);
    EXPECT_TRUE(s.ReplaceAllNarrow("[flat]", "-longer replacement-"));
    EXPECT_EQ(s.Length(), 1000u * 21u);
    EXPECT_EQ(s.Capacity(), 21010u);
}

TEST(NKStringTest, RemoveFontTags) {
    const struct {
        const char* in;
        const char* out;
        bool removed;
    } cases[] = {
        {"^fontTxt(Times)Violin ^size(12)I", "Violin I", true},
        {"A^^B", "A^B", false},
        {"C^flat()", "C^flat()", false},
        {"Horn^font(", "Horn", false},
        {"^Font(Arial)X^nfx(1)Y^fontMus(Maestro,0)", "XY", true},
        {"^size(9)C^sharp()", "C^sharp()", true},
        {"^", "", false},
        {"A^^", "A^", false},
        {"^^^", "^", false},
        {"^^font(x)", "^font(x)", false},
        // A tag ends at its first ")", whatever carets it holds.
        {"^flat(^font(x))y", "^flat(^font(x))y", false},
        {"^font(^flat())Z", ")Z", true},
    };
    for (const auto& c : cases) {
        NKString s(c.in);
        EXPECT_EQ(s.RemoveFontTags(), c.removed) << c.in;
        EXPECT_STREQ(s.NarrowText(), c.out) << c.in;
    }

    NKString wide;
    wide.AssignWide(u"\u0141^sharp()^size(3)\u0142");
    EXPECT_TRUE(wide.RemoveFontTags());
    EXPECT_EQ(Units(wide), u"\u0141^sharp()\u0142");

    std::string longText, expected;
    for (int i = 0; i < 500; ++i) {
        longText += "^size(1)x^flat()";
        expected += "x^flat()";
    }
    NKString s(longText.c_str());
    EXPECT_TRUE(s.RemoveFontTags());
    EXPECT_EQ(std::string(s.NarrowText()), expected);
}

} // namespace
