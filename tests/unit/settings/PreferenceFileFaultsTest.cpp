// Bad input and failing file systems: each has a clear result, and no pair already in the
// preferences file is ever lost.
#include <iterator>
#include <string>
#include <utility>

#include "tests/support/FileSizeLimit.h"
#include "tests/unit/settings/PreferenceHost.h"

namespace {

const std::string kThreePairs = "QMSTAFFSETP_WINDOWX=10\nQMSTAFFSETP_WINDOWY=20\nother=30\n";

// The file is read-only for as long as this lives.
class ReadOnly {
public:
    explicit ReadOnly(fs::path file) : file_(std::move(file)) {
        fs::permissions(file_,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    ~ReadOnly() { fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add); }

private:
    fs::path file_;
};

} // namespace

TEST_P(EachHostWidth, ADiskThatFillsUpInMidWriteLeavesTheFileAsItWas) {
    if (!FileSizeLimit::kSupported)
        GTEST_SKIP() << "no way here to make a disk fill up";
    Put(kThreePairs);
    const std::string saved = OnDisk("QMSTAFFSETP_WINDOWX=10\nQMSTAFFSETP_WINDOWY=99\nother=30\n");
    for (size_t room = 0; room < saved.size(); ++room) {
        FileSizeLimit full(room);
        ASSERT_TRUE(full.Holds());
        EXPECT_FALSE(Save("QMSTAFFSETP_WINDOWY", "99")) << "disk full after " << room;
        EXPECT_EQ(kThreePairs, Disk()) << room;
        EXPECT_FALSE(ReplacementLeftBehind()) << room;
    }
    {
        FileSizeLimit justEnough(saved.size());
        ASSERT_TRUE(justEnough.Holds());
        EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWY", "99"));
    }
    EXPECT_EQ(saved, Disk());
}

TEST_P(EachHostWidth, AReadOnlyFileIsNotReplaced) {
    Put(kThreePairs);
    {
        ReadOnly readOnly(File());
        EXPECT_FALSE(Save("QMSTAFFSETP_WINDOWX", "1"));
    }
    EXPECT_EQ(kThreePairs, Disk());
    EXPECT_FALSE(ReplacementLeftBehind());
    EXPECT_EQ("10", Load("QMSTAFFSETP_WINDOWX")) << "a read-only file is still read";
}

TEST_P(EachHostWidth, AFolderThatDoesNotExistIsNotMade) {
    const fs::path absent = scratch / "absent";
    host.SetPreferenceFolder(absent);
    EXPECT_EQ("(none)", Load("QMSTAFFSETP_WINDOWX"));
    EXPECT_FALSE(Save("QMSTAFFSETP_WINDOWX", "1"));
    EXPECT_FALSE(fs::exists(absent));
}

TEST_F(UnicodeHost, AFileThatCannotBeReadIsNotWrittenOver) {
    fs::create_directory(File()); // opens, on some systems, but reads nothing
    EXPECT_EQ("(none)", Load("QMSTAFFSETP_WINDOWX"));
    EXPECT_FALSE(Save("QMSTAFFSETP_WINDOWX", "1"));
    EXPECT_TRUE(fs::is_directory(File()));
    EXPECT_FALSE(ReplacementLeftBehind());
}

TEST_F(UnicodeHost, NoNewFileBesideTheOldOneMeansNoSave) {
    Put(kThreePairs);
    fs::create_directory(File("qmpluginprefs.txt.new"));
    EXPECT_FALSE(Save("QMSTAFFSETP_WINDOWX", "1"));
    EXPECT_EQ(kThreePairs, Disk());
    EXPECT_TRUE(fs::is_directory(File("qmpluginprefs.txt.new"))) << "not someone else's";
}

TEST_P(EachHostWidth, ABinaryFileKeepsItsPairsByteForByte) {
    const std::string binaryPair = WithZeros("bin\0key=\xFF\x1A value");
    Put(WithZeros("\0\xFF\xFE junk\n") + "QMSTAFFSETP_WINDOWX=3\n" + binaryPair);
    EXPECT_EQ("3", Load("QMSTAFFSETP_WINDOWX"));
    EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWX", "4"));
    EXPECT_EQ(OnDisk("QMSTAFFSETP_WINDOWX=4\n" + binaryPair + "\n"), Disk())
        << "the line without = is no pair and goes; the pair after the Ctrl-Z stays";
}

TEST_F(UnicodeHost, ATenMegabyteValueSurvivesASave) {
    const std::string big(10 * 1024 * 1024, 'v');
    Put("QMSTAFFSETP_WINDOWX=1\nbig=" + big + "\nQMSTAFFSETP_WINDOWY=2");
    EXPECT_EQ("2", Load("QMSTAFFSETP_WINDOWY"));
    EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWX", "5"));
    EXPECT_EQ(OnDisk("QMSTAFFSETP_WINDOWX=5\nbig=" + big + "\nQMSTAFFSETP_WINDOWY=2\n"), Disk());
}

// The host names this folder in UTF-16; an 8-bit host's code page has no place for its name.
TEST_P(EachHostWidth, AFolderNamedAboveLatinOneIsUsedByUtf16HostsOnly) {
    const fs::path folder =
        scratch / fs::u8path(u8"Pr\u00E9f\u00E9rences \u03A9\u03BC \u65E5\u672C");
    ASSERT_TRUE(fs::create_directory(folder));
    host.SetPreferenceFolder(folder);
    if (GetParam() == kUtf16Host) {
        EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWX", "42"));
        EXPECT_EQ("42", Load("QMSTAFFSETP_WINDOWX"));
        EXPECT_TRUE(fs::exists(folder / kPreferencesFileName));
    } else {
        EXPECT_FALSE(Save("QMSTAFFSETP_WINDOWX", "42"));
        EXPECT_EQ("(none)", Load("QMSTAFFSETP_WINDOWX"));
    }
    EXPECT_EQ(1, std::distance(fs::directory_iterator(scratch), fs::directory_iterator()))
        << "nothing lands beside the folder under a cut name";
}

TEST_P(EachHostWidth, AFolderNamedInLatinOneIsUsedByEveryHost) {
    const fs::path folder = scratch / fs::u8path(u8"Pr\u00E9f\u00E9rences");
    ASSERT_TRUE(fs::create_directory(folder));
    host.SetPreferenceFolder(folder);
    EXPECT_TRUE(Save("QMSTAFFSETP_WINDOWX", "42"));
    EXPECT_EQ("42", Load("QMSTAFFSETP_WINDOWX"));
    EXPECT_TRUE(fs::exists(folder / kPreferencesFileName));
}
