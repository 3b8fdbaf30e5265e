// Text blocks against the simulated host's records, on 8-bit and UTF-16 hosts.
#include <gtest/gtest.h>

#include <memory>

#include "framework/data/NKRawText.h"
#include "framework/data/NKTextBlock.h"
#include "tests/unit/data/TextTestSupport.h"

using namespace texttest;

TEST(TextBlock, NewBlocksCarryTheHostDefaultsAndLeadToTheirText) {
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        NKTextBlock fresh;
        ASSERT_TRUE(fresh.SaveNew());
        EXPECT_EQ(TextBlockRecord(0, 0x626C), *h.Find(kTextBlock, fresh.ItemNumber()));

        // The raw text's tag follows the block's text type.
        h.Put(kTextBlock, 4, TextBlockRecord(12, 0x7870));
        h.Put(SimTag("txxp"), 12, EncodeHostText(version, "dolce"));
        h.Put(SimTag("txbl"), 12, EncodeHostText(version, "wrong type"));
        NKTextBlock block;
        ASSERT_TRUE(block.Load(4));
        EXPECT_EQ(12, block.RawTextNumber());
        std::unique_ptr<NKString> dolce(block.CreateRawTextString());
        EXPECT_EQ("dolce", Utf8(dolce.get()));

        // A block that is not there leads to no text, not to the last block's.
        EXPECT_FALSE(block.Load(5));
        std::unique_ptr<NKString> none(block.CreateRawTextString());
        ASSERT_NE(nullptr, none);
        EXPECT_EQ(0u, none->Length());
    }
}

TEST(TextBlock, DeleteDeepTakesTheRawTextAlong) {
    TextHost h(kWideHost);
    h.Put(kTextBlock, 4, TextBlockRecord(12, 0x7870));
    h.Put(SimTag("txxp"), 12, EncodeHostText(kWideHost, "dolce"));
    h.Put(kTextBlock, 6, TextBlockRecord(13, 0x7870)); // its raw text is missing
    NKTextBlock block;
    ASSERT_TRUE(block.Load(4));
    EXPECT_TRUE(block.DeleteDeep());
    EXPECT_EQ(nullptr, h.Find(kTextBlock, 4));
    EXPECT_EQ(nullptr, h.Find(SimTag("txxp"), 12));

    ASSERT_TRUE(block.Load(6));
    EXPECT_TRUE(block.DeleteDeep());
    EXPECT_EQ(nullptr, h.Find(kTextBlock, 6));
}
