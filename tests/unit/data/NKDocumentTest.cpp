// The document a window belongs to: the one current when the object was made.
#include <gtest/gtest.h>

#include "framework/core/NKString.h"
#include "framework/data/NKDocument.h"
#include "tests/unit/data/StaffTestSupport.h"

using namespace stafftest;

TEST(Document, RemembersTheDocumentCurrentWhenMade) {
    HostAt h(kHost12);
    SimDocument& second = h.host.AddDocument("u");
    NKDocument first;
    NKDocument again;
    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    NKDocument later;

    EXPECT_EQ(h.doc.Id(), first.documentId);
    EXPECT_EQ(second.Id(), later.documentId);
    EXPECT_TRUE(first.IsIdentical(&again));
    EXPECT_FALSE(first.IsIdentical(&later));
    EXPECT_FALSE(first.IsIdentical(nullptr));
    // Not a document at all, even if something in it happened to line up.
    NKString text("x");
    EXPECT_FALSE(first.IsIdentical(&text));
}
