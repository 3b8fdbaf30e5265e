// The key=value format: what is a pair, which pair a key finds, and what a save keeps.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/settings/PreferenceHost.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Parsed(const std::vector<std::string>& lines) {
    NKStrings strings;
    for (const std::string& line : lines)
        strings.Add(new NKString(line.c_str()));
    std::unique_ptr<NKSettingsPairs> pairs(ParsePairs(&strings));
    Pairs result;
    for (int32_t i = 0; i < pairs->Count(); ++i)
        result.emplace_back(pairs->ElementAt(i)->key.NarrowText(),
                            pairs->ElementAt(i)->value.NarrowText());
    return result;
}

bool Match(const NKString& searched, const NKString& candidate) {
    return KeysMatch(&searched, &candidate);
}

} // namespace

TEST(PreferenceFormat, ALineIsSplitAtItsFirstEqualsSignAndBothSidesAreTrimmed) {
    EXPECT_EQ((Pairs{{"QMSTAFFSETP_WINDOWX", "120"}}), Parsed({"  QMSTAFFSETP_WINDOWX  =  120  "}));
    EXPECT_EQ((Pairs{{"a", "b=c"}}), Parsed({"a=b=c"}));
    EXPECT_EQ((Pairs{{"", "5"}, {"k", ""}}), Parsed({" =5", "k=\t"}))
        << "only a line whose very first character is = is skipped";
    EXPECT_EQ(Pairs{}, Parsed({"=5", "no equals sign", "", "\t"}));
}

TEST(PreferenceFormat, KeysMatchWhateverTheCaseOfAToZOnly) {
    EXPECT_TRUE(Match(NKString("qmstaffsetp_windowx"), NKString("QMSTAFFSETP_WINDOWX")));
    EXPECT_FALSE(Match(NKString("\xE9t\xE9"), NKString("\xC9T\xC9")));
    EXPECT_FALSE(Match(NKString("key"), NKString("key ")));
    NKString lookalike;
    lookalike.AssignWide(u"QMSTAFFSETP_WINDOW\u0158"); // its low byte is 'X'
    EXPECT_FALSE(Match(NKString("QMSTAFFSETP_WINDOWX"), lookalike));
    NKString withZero;
    withZero.AppendNarrow("ke");
    withZero.AppendChar(0);
    EXPECT_FALSE(Match(NKString("ke"), withZero)) << "a zero unit is part of the key";
    EXPECT_FALSE(KeysMatch(nullptr, nullptr));
    const NKString empty("");
    EXPECT_TRUE(KeysMatch(nullptr, &empty)) << "no searched key is the empty key";
}

TEST(PreferenceFormat, FindPairGivesTheFirstOfDuplicateKeys) {
    NKStrings lines;
    lines.Add(new NKString("Size=1"));
    lines.Add(new NKString("SIZE=2"));
    std::unique_ptr<NKSettingsPairs> pairs(ParsePairs(&lines));
    const NKString key("size");
    ASSERT_NE(nullptr, pairs->FindPair(&key));
    EXPECT_STREQ("1", pairs->FindPair(&key)->value.NarrowText());
}

TEST_P(EachHostWidth, LoadReadsTheFirstMatchingPairOfTheChosenFile) {
    Put("QMSTAFFSETP_WINDOWX = 120\r\nqmstaffsetp_windowx=7\rQMSTAFFSETP_WINDOWY=80");
    Put("QMSTAFFSETPANEL_WINDOWSHADE=1\n", kOptionsFileName);
    EXPECT_EQ("120", Load("qmstaffsetp_windowx"));
    EXPECT_EQ("80", Load("QMSTAFFSETP_WINDOWY")) << "after a lone CR, without a final break";
    EXPECT_EQ("(none)", Load("QMSTAFFSETPANEL_WINDOWSHADE"));
    EXPECT_EQ("1", Load("QMSTAFFSETPANEL_WINDOWSHADE", false));
    EXPECT_EQ("(none)", Load("QMSTAFFSETP_WINDOWX", false));
}

TEST_F(UnicodeHost, LoadFindsNothingWithoutTheFile) {
    EXPECT_EQ("(none)", Load("QMSTAFFSETP_WINDOWX"));
    EXPECT_EQ("(none)", Load("QMSTAFFSETPANEL_WINDOWSHADE", false));
}

TEST_P(EachHostWidth, SavingIntoAMissingFileCreatesItWithThatOneLine) {
    EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWX", "120"));
    EXPECT_EQ(OnDisk("QMSTAFFSETP_WINDOWX=120\n"), Disk());
    EXPECT_FALSE(ReplacementLeftBehind());
}

TEST_P(EachHostWidth, SavingANewKeyKeepsTheOtherPairsInOrderAndAddsItLast) {
    Put("b=2\na=1\n");
    EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWY", "-1"));
    EXPECT_EQ(OnDisk("b=2\na=1\nQMSTAFFSETP_WINDOWY=-1\n"), Disk());
}

TEST_P(EachHostWidth, SavingAKnownKeyUpdatesOnlyItsFirstLineInPlaceWithItsLetters) {
    Put("Window=1\nother=x\nWINDOW=2\n");
    EXPECT_TRUE(Save("window", "3"));
    EXPECT_EQ(OnDisk("Window=3\nother=x\nWINDOW=2\n"), Disk());
    EXPECT_EQ("3", Load("WINDOW"));
}

TEST_P(EachHostWidth, ASaveRewritesTheFileInNormalForm) {
    Put("# note\n  a  =  1  \n=5\n\nb=2=3");
    EXPECT_TRUE(Save("c", "4"));
    EXPECT_EQ(OnDisk("a=1\nb=2=3\nc=4\n"), Disk()) << "lines that are no pairs vanish";
}

TEST_F(UnicodeHost, AValueSetOnAPairIsWrittenAsHeld) {
    const NKString key(" k "), value("v");
    NKSettingsPair pair(&key, &value);
    const NKString spaced(" spaced ");
    pair.SetValue(&spaced);
    ASSERT_TRUE(SaveSetting(&pair));
    EXPECT_EQ(OnDisk("k= spaced \n"), Disk());
}
