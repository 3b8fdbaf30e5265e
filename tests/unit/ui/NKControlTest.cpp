// Controls of the test window on the dialog's real items: text through the host's dialog
// functions in the host's kind of text, and geometry straight through the window system.
#include "framework/core/NKString.h"
#include "shell/HostVersion.h"
#include "tests/support/TestWindowFixture.h"

namespace {

constexpr uint32_t kHost8Bit = 0x10FFFFFF;
constexpr uint32_t kHostUtf16 = 0x12050000;

RECT RectOf(HWND item) {
    RECT rect{};
    GetWindowRect(item, &rect);
    return rect;
}

class NKControlTest : public TestWindowTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    void SetUp() override {
        TestWindowTest::SetUp();
        SetHostVersion(GetParam());
        ASSERT_TRUE(Open());
        host.Log().Clear();
    }
    bool Utf16() const { return GetParam() >= kHostVersionUnicode; }
    HWND Field() const { return Item(TestWindow::kEditId); }
};

} // namespace

TEST_P(NKControlTest, SetTextWithoutATextEmptiesTheField) {
    ASSERT_TRUE(SetWindowTextW(Field(), W(u"Woodwinds")));
    window.edit->SetText(nullptr);
    EXPECT_EQ(u"", WindowTextOf(Field()));
    EXPECT_EQ(1u, host.Log().CountOf(Utf16() ? "NX_SetDlgString_UTF16" : "NX_SetDlgString"));
    EXPECT_EQ(0u, host.Log().CountOf(Utf16() ? "NX_SetDlgString" : "NX_SetDlgString_UTF16"));
}

TEST_P(NKControlTest, TextReachesTheFieldInTheHostsKindOfText) {
    NKString name;
    name.AssignWide(u"Clarinet in B\u266D");
    window.edit->SetText(&name);
    // An 8-bit host cannot hold U+266D: it gets "?", not the unit's low byte ('m').
    EXPECT_EQ(Utf16() ? u"Clarinet in B\u266D" : u"Clarinet in B?", WindowTextOf(Field()));
}

TEST_P(NKControlTest, GetTextOffersTheHostAFiveThousandUnitBuffer) {
    ASSERT_TRUE(SetWindowTextW(Field(), W(u"Strings \u00E9t\u00E9")));
    NKString text;
    window.edit->GetText(&text);
    const std::vector<HostCall> calls =
        host.Log().CallsOf(Utf16() ? "NX_GetDlgString_UTF16" : "NX_GetDlgString");
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(reinterpret_cast<intptr_t>(Dialog()), calls[0].arguments[0]);
    EXPECT_EQ(TestWindow::kEditId, calls[0].arguments[1]);
    EXPECT_EQ(5000, calls[0].arguments[3]);
    EXPECT_EQ(std::u16string(u"Strings \u00E9t\u00E9"), text.WideText());
}

TEST_P(NKControlTest, AFieldLongerThanTheBufferIsReadUpToIt) {
    std::u16string longText(6000, u'a');
    ASSERT_TRUE(SetWindowTextW(Field(), W(longText.c_str())));
    NKString text;
    window.edit->GetText(&text);
    EXPECT_EQ(4999u, text.Length());
}

TEST_P(NKControlTest, EnablingGoesThroughTheHostAndIsReadFromTheItem) {
    window.ordinary->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Item(TestWindow::kOrdinaryId)));
    EXPECT_FALSE(window.ordinary->IsEnabled());
    window.ordinary->SetEnabled(true);
    EXPECT_TRUE(window.ordinary->IsEnabled());
    const std::vector<HostCall> calls = host.Log().CallsOf("NX_EnableDlgItem");
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ((std::vector<int64_t>{TestWindow::kOrdinaryId, 0}),
              std::vector<int64_t>(calls[0].arguments.begin() + 1, calls[0].arguments.begin() + 3));
    EXPECT_EQ(1, calls[1].arguments[2]);
}

TEST_P(NKControlTest, HidingAndShowingActOnTheItem) {
    window.ordinary->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(Item(TestWindow::kOrdinaryId)));
    window.ordinary->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(Item(TestWindow::kOrdinaryId)));
}

TEST_P(NKControlTest, ResizingByNothingKeepsTheItemAsItIs) {
    const std::string before = RectText(RectOf(Item(TestWindow::kOrdinaryId)));
    window.ordinary->ResizeBy(0, 0);
    EXPECT_EQ(before, RectText(RectOf(Item(TestWindow::kOrdinaryId))));
}

TEST_P(NKControlTest, ResizingNarrowerKeepsTheItemsPlace) {
    const RECT before = RectOf(Item(TestWindow::kOrdinaryId));
    window.ordinary->ResizeBy(-10, 0);
    const RECT after = RectOf(Item(TestWindow::kOrdinaryId));
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right - before.left - 10, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}

TEST_P(NKControlTest, ControlsOfAClosedDialogActOnNoItem) {
    window.Cancel();
    host.Log().Clear();
    NKString text("left over");
    window.edit->GetText(&text);
    EXPECT_EQ(0u, text.Length()) << "the host filled nothing; the buffer starts empty";
    EXPECT_FALSE(window.ordinary->IsEnabled());
    window.ordinary->SetEnabled(true);
    const std::vector<HostCall> calls = host.Log().CallsOf("NX_EnableDlgItem");
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(0, calls[0].arguments[0]) << "a null dialog handle";
}

INSTANTIATE_TEST_SUITE_P(HostVersions, NKControlTest, ::testing::Values(kHost8Bit, kHostUtf16),
                         [](const ::testing::TestParamInfo<uint32_t>& info) {
                             return info.param == kHost8Bit ? std::string("Text8Bit")
                                                            : std::string("TextUtf16");
                         });
