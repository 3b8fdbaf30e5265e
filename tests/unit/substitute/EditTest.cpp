// The panel's name field as a user and the dialog see it. Runs against the substitute natively
// and against Wine's USER32 in the Windows build, with Wine's measured behaviour as the
// expectation.
#include <gtest/gtest.h>

#include "simhost/desktop/UserInput.h"
#include "tests/support/DialogProbe.h"
#include "tests/unit/substitute/ReliedMessages.h"

using probe::DialogProbe;
using relied::Relied;

namespace {

constexpr int kNameField = 102;

class Edit : public ::testing::Test {
protected:
    Edit() { panel.log.Take(); }
    DialogProbe panel;
};

} // namespace

TEST_F(Edit, SettingTheFieldsTextStoresItAndTellsTheDialogNothingItActsOn) {
    EXPECT_TRUE(SetWindowTextW(panel.Item(kNameField), probe::W(u"abc")));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(u"abc", probe::Text(panel.Item(kNameField)));
    EXPECT_EQ(3, GetWindowTextLengthW(panel.Item(kNameField)));
}

TEST_F(Edit, TypingReplacesTheWholeTextOneReportedUnitAtATime) {
    const HWND field = panel.Item(kNameField);
    SetWindowTextW(field, probe::W(u"old name"));
    panel.log.Take();
    EXPECT_TRUE(UserInput::TypeText(field, u"Xy"));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    EXPECT_EQ(u"Xy", probe::Text(field));
    EXPECT_EQ(field, GetFocus());

    EXPECT_TRUE(UserInput::TypeText(field, u""));
    EXPECT_EQ(u"", probe::Text(field)) << "typing nothing empties the field";
    UserInput::TypeText(field, u"");
    EXPECT_EQ(u"", probe::Text(field));
    EXPECT_TRUE(Relied(panel.log.Take()).empty());
    SetWindowTextW(field, probe::W(u"Xy"));

    SendMessageW(field, EM_SETSEL, 1, 1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(probe::W(u"--")));
    EXPECT_EQ(u"X--y", probe::Text(field));
    SendMessageW(field, WM_CHAR, '\b', 1);
    EXPECT_EQ(u"X-y", probe::Text(field));
}

TEST_F(Edit, ADisabledFieldCannotBeTypedInto) {
    const HWND field = panel.Item(kNameField);
    SetWindowTextW(field, probe::W(u"kept"));
    EnableWindow(field, FALSE);
    EXPECT_FALSE(UserInput::TypeText(field, u"lost"));
    EXPECT_EQ(u"kept", probe::Text(field));
}
