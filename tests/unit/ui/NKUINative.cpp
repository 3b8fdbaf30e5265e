// The module's message boxes, answered by the substitute layer's responder.
#include <gtest/gtest.h>

#include "framework/core/NKString.h"
#include "framework/ui/NKUI.h"
#include "platform/substitute/MessageBoxes.h"

namespace {

class NKUITest : public ::testing::Test {
protected:
    NKUITest() { substitute::ClearMessageBoxes(); }
    ~NKUITest() override { substitute::SetMessageBoxResponder(nullptr); }
    HWND hostWindow = reinterpret_cast<HWND>(uintptr_t{0x4242});
    NKUI ui{hostWindow};
};

} // namespace

TEST_F(NKUITest, QuestionsMapTheSystemsAnswer) {
    int answer = 0;
    bool idleWhileOpen = true;
    substitute::SetMessageBoxResponder([&](const substitute::MessageBoxShown&) {
        idleWhileOpen = MessageBoxIdle();
        return answer;
    });
    for (auto [system, expected] : {std::pair<int, uint8_t>{IDYES, AnswerYes},
                                    {IDNO, AnswerNo},
                                    {0, AnswerNone},
                                    {IDOK, AnswerNone}}) {
        answer = system;
        EXPECT_EQ(expected, ui.AskYesNo("Do you really want to delete the selected staff set?",
                                        "Delete Staff Set?"));
    }
    EXPECT_FALSE(idleWhileOpen);
    EXPECT_TRUE(MessageBoxIdle());
    ASSERT_EQ(4u, substitute::MessageBoxesShown().size());
    const substitute::MessageBoxShown& box = substitute::MessageBoxesShown()[0];
    EXPECT_EQ(hostWindow, box.owner);
    EXPECT_EQ(u"Delete Staff Set?", box.caption);
    EXPECT_EQ(u"Do you really want to delete the selected staff set?", box.text);
    EXPECT_EQ(MB_YESNO, box.style);
}

TEST_F(NKUITest, MissingTextsShowNothingAndMissingCaptionsGetDefaults) {
    EXPECT_EQ(AnswerNone, ui.AskYesNo(nullptr, "Caption"));
    EXPECT_EQ(AnswerNone, ui.AskYesNoText(nullptr, nullptr));
    ui.ShowInfo(nullptr, "Caption");
    ui.ShowInfoText(nullptr, nullptr);
    EXPECT_TRUE(substitute::MessageBoxesShown().empty());

    NKString message("Please select a region that should be created as a staff set.");
    NKString empty;
    ui.AskYesNoText(&message, nullptr);
    ui.AskYesNo("Replace?", "");
    ui.ShowInfoText(&message, &empty);
    ui.ShowInfo("Note", nullptr);
    const auto& shown = substitute::MessageBoxesShown();
    ASSERT_EQ(4u, shown.size());
    EXPECT_EQ(u"Yes/No?", shown[0].caption);
    EXPECT_EQ(u"Yes/No?", shown[1].caption);
    EXPECT_EQ(u"Information", shown[2].caption);
    EXPECT_EQ(MB_ICONINFORMATION, shown[2].style);
    EXPECT_EQ(u"Information", shown[3].caption);
    EXPECT_EQ(u"Note", shown[3].text);
}
