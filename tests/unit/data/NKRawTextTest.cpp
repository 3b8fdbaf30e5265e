// Raw texts against the simulated host's records, on 8-bit and UTF-16 hosts.
#include <gtest/gtest.h>

#include <memory>

#include "framework/data/NKRawText.h"
#include "tests/unit/data/TextTestSupport.h"

using namespace texttest;

namespace {

Bytes BlockBytes(const NKRawText& text) {
    return Bytes(text.Data(), text.Data() + text.LoadedSize());
}

} // namespace

TEST(RawText, TextTravelsInTheHostsWidth) {
    for (uint32_t version : {kNarrowHost, kFirstWideHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);

        NKRawText never;
        std::unique_ptr<NKString> none(never.CreateString());
        ASSERT_NE(nullptr, none);
        EXPECT_EQ(0u, none->Length());

        NKRawText empty;
        NKString nothing;
        empty.SetText(&nothing);
        EXPECT_EQ(h.Wide() ? Bytes({0, 0}) : Bytes({0}), BlockBytes(empty));
        empty.SetText(nullptr); // keeps what it had
        EXPECT_EQ(h.Wide() ? 2u : 1u, empty.LoadedSize());

        h.Put(SimTag("txbl"), 7, EncodeHostText(version, "Viola \xC3\xA9"));
        h.Put(SimTag("txbl"), 9, EncodeHostText(version, "Cello"));
        NKRawText text;
        text.SetItemNumber(7);
        ASSERT_TRUE(text.LoadCurrent());
        std::unique_ptr<NKString> viola(text.CreateString());
        EXPECT_EQ("Viola \xC3\xA9", Utf8(viola.get()));
        // Enumeration starts at the host's first text, whatever its number.
        ASSERT_TRUE(text.LoadFirst());
        EXPECT_EQ(7, text.ItemNumber());
        ASSERT_TRUE(text.LoadNext());
        std::unique_ptr<NKString> cello(text.CreateString());
        EXPECT_EQ("Cello", Utf8(cello.get()));
        EXPECT_FALSE(text.LoadNext());
    }
}

TEST(RawText, TextWithoutTerminatorEndsWithTheRecord) {
    // The load block is exactly the record's size, so under ASan a read past the last byte
    // is caught.
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        Bytes unterminated = EncodeHostText(version, "Harp");
        unterminated.resize(unterminated.size() - (h.Wide() ? 2 : 1));
        if (h.Wide())
            unterminated.push_back('!'); // half a unit
        h.Put(SimTag("txbl"), 3, unterminated);

        NKRawText text;
        text.SetItemNumber(3);
        ASSERT_TRUE(text.LoadCurrent());
        std::unique_ptr<NKString> harp(text.CreateString());
        EXPECT_EQ("Harp", Utf8(harp.get()));
    }
}
