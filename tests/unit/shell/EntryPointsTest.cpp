#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/EntryPoints.h"
#include "tests/support/FreshModule.h"

namespace {

constexpr unsigned char kUntouched = 0xAB;

// A record with room to spare after it, so writes past the record's end show up.
std::vector<unsigned char> Canvas(size_t recordSize) {
    return std::vector<unsigned char>(recordSize + 16, kUntouched);
}

bool AllUntouched(const std::vector<unsigned char>& bytes, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (bytes[i] != kUntouched)
            return false;
    return true;
}

void ExpectNarrowField(const std::vector<unsigned char>& record, size_t offset,
                       const std::string& text) {
    EXPECT_EQ(0, std::memcmp(record.data() + offset, text.data(), text.size())) << text;
    for (size_t i = text.size(); i < 64; ++i)
        ASSERT_EQ(0, record[offset + i]) << text << ": byte " << i << " not zero-filled";
}

void ExpectWideField(const std::vector<unsigned char>& record, size_t offset,
                     const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_EQ(static_cast<unsigned char>(text[i]), record[offset + 2 * i]) << text;
        ASSERT_EQ(0, record[offset + 2 * i + 1]) << text;
    }
    EXPECT_EQ(0, record[offset + 2 * text.size()]);
    EXPECT_EQ(0, record[offset + 2 * text.size() + 1]);
    // The host owns the rest of the field.
    EXPECT_TRUE(AllUntouched(record, offset + 2 * text.size() + 2, offset + 256)) << text;
}

} // namespace

TEST(EntryPoints, NarrowMenuRecordIsLaidOutByteForByte) {
    auto record = Canvas(kMenuEntrySize8Bit);
    EXPECT_EQ(1, VarluneExtensionEnumerate(0, 0, record.data()));
    ExpectNarrowField(record, 0, "QM Staff Set Panel...");
    ExpectNarrowField(record, 64, "Name and view staff sets for the score.");
    ExpectNarrowField(record, 128, "Staff Set Panel");
    for (size_t i = 192; i < 196; ++i)
        EXPECT_EQ(0, record[i]);
    EXPECT_TRUE(AllUntouched(record, kMenuEntrySize8Bit, record.size()));
}

TEST(EntryPoints, Utf16MenuRecordCarriesTheTextsAndLeavesTheRestToTheHost) {
    auto record = Canvas(kMenuEntrySizeUtf16);
    EXPECT_EQ(1, VarluneExtensionEnumerate_UTF16(0, 0, record.data()));
    ExpectWideField(record, 0, "QM Staff Set Panel...");
    ExpectWideField(record, 256, "Name and view staff sets for the score.");
    ExpectWideField(record, 512, "Staff Set Panel");
    for (size_t i = 768; i < 772; ++i)
        EXPECT_EQ(0, record[i]);
    EXPECT_TRUE(AllUntouched(record, kMenuEntrySizeUtf16, record.size()));
}

TEST(EntryPoints, OnlyEntryZeroExists) {
    auto narrow = Canvas(kMenuEntrySize8Bit);
    EXPECT_EQ(0, VarluneExtensionEnumerate(0, 1, narrow.data()));
    EXPECT_EQ(0, VarluneExtensionEnumerate(0, 7, narrow.data()));
    EXPECT_TRUE(AllUntouched(narrow, 0, narrow.size()));
    // The index is a 16-bit value: only its low half counts.
    EXPECT_EQ(1, VarluneExtensionEnumerate(0, 0x10000, narrow.data()));

    auto wide = Canvas(kMenuEntrySizeUtf16);
    EXPECT_EQ(0, VarluneExtensionEnumerate_UTF16(0, 1, wide.data()));
    EXPECT_EQ(0, VarluneExtensionEnumerate_UTF16(0, -1, wide.data()));
    EXPECT_TRUE(AllUntouched(wide, 0, wide.size()));
}

TEST(EntryPoints, NullPointersFromTheHostAreRefusedNotWrittenThrough) {
    EXPECT_EQ(0, VarluneExtensionEnumerate(0, 0, nullptr));
    EXPECT_EQ(0, VarluneExtensionEnumerate_UTF16(0, 0, nullptr));
    EXPECT_EQ(1, VarluneExtensionInit(0, nullptr));
}

TEST(EntryPoints, VersionInitAndMenuStatus) {
    FreshModule fresh;
    EXPECT_EQ(0x12050000u, HostVersion()) << "assumed before the host tells";
    EXPECT_EQ(0x0F000000u, VarluneExtensionVersion(0x10FFFFFF));
    EXPECT_EQ(0x10FFFFFFu, HostVersion());
    EXPECT_EQ(0x0F000000u, VarluneExtensionVersion(0x11000000));
    EXPECT_EQ(0x11000000u, HostVersion());

    uint32_t flags = 0x80000100u;
    EXPECT_EQ(1, VarluneExtensionInit(0, &flags));
    EXPECT_EQ(0x80000101u, flags) << "bit 0 set, the host's other bits kept";

    EXPECT_EQ(1, VarluneExtensionGetMenuStatus(0));
    EXPECT_EQ(1, VarluneExtensionGetMenuStatus(0));
}
