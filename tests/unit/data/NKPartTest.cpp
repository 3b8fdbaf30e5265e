// Parts made current and restored, and when two part objects mean the same part.
#include <gtest/gtest.h>

#include "framework/data/NKDocument.h"
#include "framework/data/NKPart.h"
#include "tests/unit/data/StaffTestSupport.h"

using namespace stafftest;

TEST(Part, SwitchToAndSwitchBackRestoreThePartThatWasCurrent) {
    HostAt h(kHost12);
    h.doc.PartRecords(3);
    h.doc.PartRecords(5);
    ASSERT_TRUE(h.doc.SetCurrentPart(3));

    NKPart current(kCurrentPart);
    NKPart five(5);
    ASSERT_TRUE(h.doc.SetCurrentPart(0));
    EXPECT_EQ(3, current.PartId()); // taken when made, not when switched to
    EXPECT_EQ(h.doc.Id(), five.DocumentId());

    h.host.Log().Clear();
    five.SwitchBack();
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SetCurrentPartID"));
    EXPECT_EQ(0, h.doc.CurrentPart());

    five.SwitchTo();
    EXPECT_EQ(5, h.doc.CurrentPart());
    ASSERT_TRUE(h.doc.SetCurrentPart(3));
    five.SwitchTo(); // a switch is in effect: neither switches nor forgets part 0
    EXPECT_EQ(3, h.doc.CurrentPart());
    five.SwitchBack();
    EXPECT_EQ(0, h.doc.CurrentPart());
    EXPECT_FALSE(five.IsSwitched());

    h.host.Log().Clear();
    five.SwitchBack();
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SetCurrentPartID"));

    current.SwitchTo();
    EXPECT_EQ(3, h.doc.CurrentPart());
    current.SwitchBack();
    EXPECT_EQ(0, h.doc.CurrentPart());
}

TEST(Part, PartsOfAnotherDocumentAreLeftAlone) {
    HostAt h(kHost12);
    SimDocument& second = h.host.AddDocument("u");
    h.doc.PartRecords(5);
    second.PartRecords(5);
    NKPart five(5);

    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    h.host.Log().Clear();
    five.SwitchTo();
    EXPECT_EQ(0u, h.host.Log().CountOf("NX_SetCurrentPartID"));
    EXPECT_EQ(0, second.CurrentPart());
    EXPECT_FALSE(five.IsSwitched());

    ASSERT_TRUE(h.host.SwitchToDocument(h.doc.Id()));
    five.SwitchTo();
    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    five.SwitchBack(); // the other document keeps its part, and the switch stays pending
    EXPECT_EQ(0, second.CurrentPart());
    EXPECT_TRUE(five.IsSwitched());
    ASSERT_TRUE(h.host.SwitchToDocument(h.doc.Id()));
    EXPECT_EQ(5, h.doc.CurrentPart());
    five.SwitchBack();
    EXPECT_EQ(0, h.doc.CurrentPart());
}

TEST(Part, IdenticalMeansTheSamePartOfTheSameDocument) {
    HostAt h(kHost12);
    SimDocument& second = h.host.AddDocument("u");
    NKPart a(2);
    NKPart b(2);
    NKPart other(3);
    ASSERT_TRUE(h.host.SwitchToDocument(second.Id()));
    NKPart elsewhere(2);
    NKDocument document;

    EXPECT_STREQ("NKPart", a.ClassName());
    EXPECT_TRUE(a.IsIdentical(&b));
    EXPECT_FALSE(a.IsIdentical(&other));
    EXPECT_FALSE(a.IsIdentical(&elsewhere));
    EXPECT_FALSE(a.IsIdentical(&document));
    EXPECT_FALSE(a.IsIdentical(nullptr));
}
