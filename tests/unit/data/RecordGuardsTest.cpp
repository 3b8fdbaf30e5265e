// Guards of the record base against hosts that misbehave or change under it.
#include <gtest/gtest.h>

#include <memory>

#include "framework/core/NKString.h"
#include "framework/data/NKCategoryDefs.h"
#include "framework/data/NKStaff.h"
#include "shell/EntryPoints.h"
#include "simhost/documents/SampleScore.h"
#include "tests/support/FreshModule.h"

TEST(RecordGuards, AHostThatDoesNotMoveTheKeyEndsTheEnumeration) {
    FreshModule fresh;
    SimHost host(0x12050000);
    AddSampleScore(host);
    // Answers success without moving the key forward.
    host.ScriptResult("NX_NextEData", 1);
    NKCategoryDefs categories;
    EXPECT_EQ(1, categories.LoadAll()) << "category 1, then the walk stops";
    NKStaff staff;
    EXPECT_FALSE(staff.LoadFirst());
}

TEST(RecordGuards, AStaffLoadedAgainAfterTheHostVersionChangedUsesTheNewLayout) {
    FreshModule fresh;
    auto host = std::make_unique<SimHost>(0x10FFFFFF);
    AddSampleScore(*host);
    VarluneExtensionVersion(0x10FFFFFF);
    NKStaff staff;
    ASSERT_TRUE(staff.Load(4)); // 114 bytes
    host.reset();
    host = std::make_unique<SimHost>(0x12050000);
    FreshModule::Reset(); // a new host process: the plug-in binds to it afresh
    AddSampleScore(*host);
    VarluneExtensionVersion(0x12050000);
    ASSERT_TRUE(staff.Load(4)); // 136 bytes, into the 136-byte area (ASan watches)
    std::unique_ptr<NKString> name(staff.CreateDisplayName());
    EXPECT_EQ(u"Clarinet in B\u266D 1", std::u16string(name->WideText()));
}
