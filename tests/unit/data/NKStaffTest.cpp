// The staff record in its three host layouts, and the staff's display name.
#include <gtest/gtest.h>

#include <memory>

#include "framework/core/NKString.h"
#include "framework/data/NKStaff.h"
#include "tests/unit/data/StaffTestSupport.h"

using namespace stafftest;

namespace {

std::u16string DisplayName(int16_t staffNumber) {
    NKStaff staff;
    if (!staff.Load(staffNumber))
        return u"(not loaded)";
    std::unique_ptr<NKString> name(staff.CreateDisplayName());
    if (!name)
        return u"(null)";
    return name->WideText();
}

} // namespace

TEST(Staff, RecordLayoutFollowsTheHostVersion) {
    struct Layout {
        uint32_t host;
        size_t size;
        uint32_t version;
    };
    for (const Layout& layout :
         {Layout{kOldHost, 114, 0x0F000000}, Layout{kHost11, 132, 0x11000000},
          Layout{0x11FFFFFF, 132, 0x11000000}, Layout{kHost12, 136, 0x12000000}}) {
        SCOPED_TRACE(layout.host);
        HostAt h(layout.host);
        h.PutStaff(4, "Flute");
        // A longer record shows how much the object asks for: the careless host fills the
        // whole buffer offered and no more.
        h.host.SetOverReportingLoads(true);
        Bytes longer = StaffRecord(layout.host, 104);
        longer.resize(layout.size + 8, 0xEE);
        h.Records().Put({SimTag("SOIS"), 6, 0}, longer);

        NKStaff staff;
        ASSERT_TRUE(staff.Load(4));
        EXPECT_EQ(static_cast<int64_t>(layout.version),
                  h.host.Log().CallsOf("NX_LoadEData").back().arguments[4]);
        EXPECT_EQ(104, staff.NameTextBlock());
        EXPECT_EQ(0x0101, staff.LayoutWord94());
        EXPECT_EQ(0x0005, staff.LayoutWord98());

        ASSERT_TRUE(staff.Load(6));
        ASSERT_TRUE(staff.SaveAs(7));
        EXPECT_EQ(Bytes(longer.begin(), longer.begin() + static_cast<long>(layout.size)),
                  *h.Records().Find({SimTag("SOIS"), 7, 0}));
    }
}

TEST(Staff, EnumerationAndCopies) {
    HostAt h(kHost11);
    h.PutStaff(3, "Flute");
    h.PutStaff(9, "Oboe");
    NKStaff staff;
    ASSERT_TRUE(staff.LoadFirst());
    EXPECT_EQ(3, staff.ItemNumber());
    ASSERT_TRUE(staff.LoadNext());
    EXPECT_EQ(9, staff.ItemNumber());
    EXPECT_FALSE(staff.LoadNext());

    ASSERT_TRUE(staff.Load(3));
    NKStaff copy;
    copy.CopyDataFrom(&staff);
    EXPECT_EQ(103, copy.NameTextBlock());
    ASSERT_TRUE(copy.SaveAs(12));
    EXPECT_EQ(*h.Records().Find({SimTag("SOIS"), 3, 0}),
              *h.Records().Find({SimTag("SOIS"), 12, 0}));

    // Copying a staff that holds nothing gives a staff that holds nothing: saving it must not
    // put a zeroed record over a real staff.
    NKStaff never;
    NKStaff blank;
    blank.CopyDataFrom(&never);
    EXPECT_FALSE(blank.SaveAs(9));
    EXPECT_EQ(109, ReadLittleEndian16(*h.Records().Find({SimTag("SOIS"), 9, 0}), 30));
    EXPECT_EQ(0, blank.NameTextBlock());
}

TEST(Staff, DisplayNameIsTheHostsNumberedNameFromUnicodeHostsOn) {
    for (uint32_t version : {kHost11, kHost12}) {
        SCOPED_TRACE(version);
        HostAt h(version);
        h.PutStaff(1, "Horn in F");
        h.PutStaff(2, "^fontTxt(Times,4096)Clarinet in B^flat()");
        h.PutStaff(3, "Horn in F");
        EXPECT_EQ(u"Horn in F 1", DisplayName(1));
        EXPECT_EQ(u"Clarinet in B\u266D", DisplayName(2));
        EXPECT_EQ(u"Horn in F 2", DisplayName(3));
        auto calls = h.host.Log().CallsOf("NX_AutoNumberedName_UTF16");
        ASSERT_EQ(3u, calls.size());
        EXPECT_EQ(102, calls[1].arguments[0]); // the name's text block
        EXPECT_EQ(2, calls[1].arguments[1]);   // the staff
    }
}

TEST(Staff, DisplayNameFallsBackToTheNameText) {
    // Older hosts have no numbered names; newer ones may fail to give one.
    for (uint32_t version : {kOldHost, kHost12}) {
        SCOPED_TRACE(version);
        HostAt h(version);
        h.host.SetNumberedNamesFail(true);
        h.PutStaff(1, "Horn in F");
        h.PutStaff(2, "^fontTxt(Times,4096)Clarinet in B^flat()");
        h.PutStaff(3, "Horn in F");
        h.PutStaff(4, "F^sharp() Trumpet^size(12) ^^1");
        EXPECT_EQ(u"Horn in F", DisplayName(1));
        EXPECT_EQ(u"Clarinet in Bb", DisplayName(2));
        EXPECT_EQ(u"Horn in F", DisplayName(3));
        EXPECT_EQ(u"F# Trumpet ^1", DisplayName(4));
        EXPECT_EQ(version >= kHost11 ? 4u : 0u, h.host.Log().CountOf("NX_AutoNumberedName_UTF16"));
    }

    // A staff without a name text, and a staff never loaded, have the empty name.
    HostAt h(kHost12);
    h.Records().Put({SimTag("SOIS"), 5, 0}, StaffRecord(kHost12, 77));
    EXPECT_EQ(u"", DisplayName(5));
    NKStaff never;
    std::unique_ptr<NKString> name(never.CreateDisplayName());
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(0u, name->Length());
}

TEST(Staff, DisplayNameKeepsUnicodeTextWhole) {
    HostAt h(kHost12);
    h.host.SetNumberedNamesFail(true);
    h.PutStaff(1, "Bass \u00C9l\u0101 ^flat()");
    EXPECT_EQ(u"Bass \u00C9l\u0101 b", DisplayName(1));
}
