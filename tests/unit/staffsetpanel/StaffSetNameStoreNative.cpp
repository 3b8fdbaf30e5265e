// Writing a name without the category tells the user how to make it, and changes nothing.
#include <gtest/gtest.h>

#include "platform/substitute/MessageBoxes.h"
#include "tests/support/StaffSetSession.h"

TEST(StaffSetNameStore, WithoutTheCategoryANameIsRefusedWithInstructions) {
    StaffSetSession session;
    const HWND hostWindow = reinterpret_cast<HWND>(uintptr_t{0x7A11});
    session.ui.hostWindow = hostWindow;
    session.document.Records().Erase({SimTag("SOMC"), kSampleDataCategory, 0});
    const SimDocument::Contents before = session.document.Snapshot();
    substitute::ClearMessageBoxes();

    EXPECT_FALSE(session.Run({kRenameSet, 3, "Strings", 0, 0}));
    EXPECT_FALSE(session.Run({kCreateSet, 2, "Brass", 8, 10})) << "the whole creation is undone";
    EXPECT_TRUE(session.document.Snapshot() == before);
    EXPECT_TRUE(session.document.UndoHistory().empty());

    const auto& shown = substitute::MessageBoxesShown();
    ASSERT_EQ(2u, shown.size()) << "one message per attempt";
    EXPECT_EQ(u"Category doesn't exist", shown[0].caption);
    EXPECT_EQ(u"To be able to save the staff set name to the document, an expression category "
              u"named 'QM Plug-in Data' (exact name, without the quotes) needs to be created "
              u"MANUALLY first, such as:\n\n1. Select 'Document/Category Designer...' in "
              u"Varlune\n2. Create a duplicate of any category and name the duplicate 'QM "
              u"Plug-in Data'.",
              shown[0].text);
    EXPECT_EQ(MB_ICONINFORMATION, shown[0].style);
    EXPECT_EQ(hostWindow, shown[0].owner) << "owned by the host window, modal to the host";

    // Removing a name, or operations without one, need no category.
    EXPECT_TRUE(session.Run({kRenameSet, 3, "", 0, 0}));
    EXPECT_TRUE(session.Run({kDeleteSet, 1, "", 0, 0}));
    EXPECT_EQ(2u, shown.size());
    substitute::ClearMessageBoxes();
}
