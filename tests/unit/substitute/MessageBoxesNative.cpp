// The substitute's message boxes against what Wine's do (tests/support/MessageBoxExpectations.h):
// the buttons recorded as Wine labels them, and the owner disabled and activation moved
// while the responder answers. Of Wine's record, the messages the panel and the host act on
// must be sent alike.
#include <gtest/gtest.h>

#include "platform/substitute/MessageBoxes.h"
#include "platform/substitute/WindowSystem.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/MessageBoxExpectations.h"
#include "tests/unit/substitute/ReliedMessages.h"

using relied::Relied;

namespace {

class MessageBoxes : public ::testing::Test {
protected:
    MessageBoxes() {
        substitute::ClearMessageBoxes();
        panel.log.Take();
    }
    ~MessageBoxes() override { substitute::SetMessageBoxResponder(nullptr); }
    probe::DialogProbe panel;
};

} // namespace

TEST_F(MessageBoxes, AQuestionOverThePanelDisablesItsOwnerAndLeavesTheOwnerActive) {
    bool ownerEnabled = true;
    std::u16string activeClass;
    substitute::SetMessageBoxResponder([&](const substitute::MessageBoxShown&) {
        ownerEnabled = IsWindowEnabled(panel.log.host) != FALSE;
        activeClass = substitute::ClassNameOf(GetActiveWindow());
        return IDNO;
    });
    EXPECT_EQ(IDNO,
              MessageBoxW(panel.log.host, probe::W(u"Question?"), probe::W(u"Caption"), MB_YESNO));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(u"#32770", activeClass) << "the box is the active window while it is open";
    EXPECT_EQ(Relied(expectations::kBoxOverActivePanel), Relied(panel.log.Take()));
    EXPECT_EQ(panel.log.host, GetActiveWindow());
    ASSERT_EQ(1u, substitute::MessageBoxesShown().size());
    const substitute::MessageBoxShown& box = substitute::MessageBoxesShown()[0];
    EXPECT_EQ(expectations::kYesNoButtons, box.buttons);
    EXPECT_EQ(u"Caption", box.caption);
    EXPECT_EQ(panel.log.host, box.owner);
}

TEST_F(MessageBoxes, ANoticeOverTheActiveHostTakesItsFocusUntilClosed) {
    SetActiveWindow(panel.log.host);
    panel.log.Take();
    EXPECT_EQ(IDOK, MessageBoxW(panel.log.host, probe::W(u"Note"), probe::W(u"Information"),
                                MB_ICONINFORMATION));
    EXPECT_EQ(expectations::kOkButton, substitute::MessageBoxesShown()[0].buttons);
    EXPECT_EQ(Relied(expectations::kBoxOverActiveHost), Relied(panel.log.Take()));
}

TEST_F(MessageBoxes, AnOwnerThatIsNoWindowIsLeftAlone) {
    const HWND stranger = reinterpret_cast<HWND>(uintptr_t{0x4242});
    EXPECT_EQ(IDNO, MessageBoxW(stranger, probe::W(u"Question?"), nullptr, MB_YESNO));
    EXPECT_EQ(stranger, substitute::MessageBoxesShown()[0].owner);
    EXPECT_TRUE(IsWindowEnabled(panel.log.host));
}
