// Where the preference files are, and how their lines come back, on both kinds of host.
#include <memory>
#include <string>
#include <vector>

#include "simhost/documents/UtfConversion.h"
#include "tests/unit/settings/PreferenceHost.h"

namespace {

std::string PathOf(NKTextFileStream& stream) {
    NKString path;
    stream.BuildPath(&path);
    return Utf16ToUtf8(path.WideText());
}

// The lines a stream reads from the file, each as its bytes.
std::vector<std::string> LinesOf(PreferenceHost& prefs, const std::string& bytes) {
    prefs.Put(bytes);
    std::unique_ptr<NKTextFileStream> stream(CreatePreferenceStream(true));
    EXPECT_TRUE(stream->OpenRead());
    std::vector<std::string> lines;
    while (std::unique_ptr<NKString> line{stream->ReadLine()}) {
        std::string text;
        for (uint32_t i = 0; i < line->Length(); ++i)
            text += static_cast<char>(line->CharAt(i));
        lines.push_back(text);
    }
    EXPECT_FALSE(stream->ReadFailed());
    return lines;
}

using Lines = std::vector<std::string>;

} // namespace

TEST_P(EachHostWidth, ThePathIsTheHostsFolderABackslashAndTheFileName) {
    host.SetPreferenceFolder("D:\\Data");
    std::unique_ptr<NKTextFileStream> prefs(CreatePreferenceStream(true));
    std::unique_ptr<NKTextFileStream> options(CreatePreferenceStream(false));
    EXPECT_EQ("D:\\Data\\qmpluginprefs.txt", PathOf(*prefs));
    EXPECT_EQ("D:\\Data\\qmpluginoptions.txt", PathOf(*options));

    host.SetPreferenceFolder("D:\\Data\\");
    prefs.reset(CreatePreferenceStream(true));
    EXPECT_EQ("D:\\Data\\\\qmpluginprefs.txt", PathOf(*prefs)) << "taken as the host gives it";

    prefs->folderOverride.AssignNarrow("E:\\Other\\");
    EXPECT_EQ("E:\\Other\\qmpluginprefs.txt", PathOf(*prefs)) << "an override ending in \\";
    prefs->folderOverride.AssignNarrow("E:\\Other");
    EXPECT_EQ("E:\\Other\\qmpluginprefs.txt", PathOf(*prefs));
}

TEST(PreferenceFolderKind, IsSevenBeforeVersion10AndFifteenFromIt) {
    for (uint32_t version : {0x0F000000u, 0x0FFFFFFFu, 0x10000000u, 0x12050000u}) {
        PreferenceHost prefs(version);
        delete CreatePreferenceStream(true);
        ASSERT_EQ(1u, prefs.host.Log().CountOf("NX_GetVarlunePath"));
        EXPECT_EQ(version < 0x10000000 ? 7 : 15,
                  prefs.host.Log().CallsOf("NX_GetVarlunePath")[0].arguments[0])
            << std::hex << version;
    }
}

TEST_P(EachHostWidth, LinesEndAtLineFeedCarriageReturnOrBoth) {
    EXPECT_EQ(Lines{}, LinesOf(*this, ""));
    EXPECT_EQ((Lines{"a", "b"}), LinesOf(*this, "a\nb")) << "no final line break";
    EXPECT_EQ((Lines{"a", "", "b"}), LinesOf(*this, "a\n\nb\n"));
    EXPECT_EQ((Lines{"a", "b", "c"}), LinesOf(*this, "a\rb\r\nc\r\n"));
    EXPECT_EQ((Lines{"a", "", "b"}), LinesOf(*this, "a\r\r\nb"));
    EXPECT_EQ((Lines{"", "x"}), LinesOf(*this, "\r\nx"));
}

TEST_P(EachHostWidth, EveryByteOfALineComesBackAsAUnitOfItsValue) {
    const std::string binary = WithZeros("k\0y=\xFF\xFE\x1A\x01 v");
    EXPECT_EQ((Lines{binary, "after"}), LinesOf(*this, binary + "\nafter"))
        << "zero bytes and a Ctrl-Z end nothing";
}

TEST_F(UnicodeHost, ATenMegabyteLineIsReadWhole) {
    const std::string big(10 * 1024 * 1024, 'v');
    const Lines lines = LinesOf(*this, "first\n" + big + "\nlast");
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(big, lines[1]);
    EXPECT_EQ("last", lines[2]);
}

TEST_F(UnicodeHost, ReadAllLinesGivesAnEmptyCollectionForAnEmptyFile) {
    Put("");
    std::unique_ptr<NKTextFileStream> stream(CreatePreferenceStream(true));
    ASSERT_TRUE(stream->OpenRead());
    std::unique_ptr<NKStrings> lines(stream->ReadAllLines());
    ASSERT_NE(nullptr, lines);
    EXPECT_EQ(0, lines->Count());
}

TEST_F(UnicodeHost, OpenWriteEmptiesTheFileBeforeAnythingIsWritten) {
    Put("a=1\nb=2\n");
    std::unique_ptr<NKTextFileStream> stream(CreatePreferenceStream(true));
    ASSERT_TRUE(stream->OpenWrite());
    EXPECT_TRUE(stream->Close());
    EXPECT_EQ("", Disk());
}

TEST_F(UnicodeHost, AClosedStreamReadsNothingAndWritesNothing) {
    host.SetPreferenceFolder(scratch / "absent");
    std::unique_ptr<NKTextFileStream> stream(CreatePreferenceStream(true));
    EXPECT_FALSE(stream->OpenRead());
    EXPECT_FALSE(stream->OpenWrite()) << "the folder is not made";
    EXPECT_EQ(nullptr, std::unique_ptr<NKString>(stream->ReadLine()));
    EXPECT_EQ(nullptr, std::unique_ptr<NKStrings>(stream->ReadAllLines()));
    NKSettingsPairs pairs;
    EXPECT_FALSE(stream->WritePairs(&pairs));
    EXPECT_FALSE(fs::exists(scratch / "absent"));
}

TEST_P(EachHostWidth, AHostThatNamesNoFolderGetsNoFileAtTheDriveRoot) {
    host.FailCall({"NX_GetVarlunePath"}, 1);
    std::unique_ptr<NKTextFileStream> stream(CreatePreferenceStream(true));
    EXPECT_EQ("\\qmpluginprefs.txt", PathOf(*stream));
    EXPECT_FALSE(stream->OpenWrite());
    EXPECT_FALSE(fs::exists("/qmpluginprefs.txt"));
}
