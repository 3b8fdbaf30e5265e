// Dialog templates read from the compiled resource file beside a module, and what happens
// when there is none to read.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/substitute/DialogTemplate.h"
#include "platform/substitute/ModuleRegistry.h"
#include "tests/support/DialogProbe.h"

namespace {

std::string PanelResourceFile() {
    const std::string module = NK_PLUGIN_MODULE_PATH;
    return module.substr(0, module.rfind('.')) + ".res";
}

std::vector<uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(DialogTemplate, ThePanelTemplateIsReadFromTheResourceFileBesideTheModule) {
    const std::vector<uint8_t> bytes = Bytes(PanelResourceFile());
    substitute::DialogTemplate dialog;
    ASSERT_TRUE(substitute::ParseDialogResource(bytes, 20128, dialog));
    EXPECT_EQ(0x90C800C8u, dialog.style);
    EXPECT_EQ(340, dialog.cx);
    EXPECT_EQ(u"QM Staff Set Panel", dialog.title);
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(u"MS Sans Serif", dialog.faceName);
    ASSERT_EQ(11u, dialog.items.size());
    EXPECT_EQ(u"SYSLISTVIEW32", dialog.items[0].className) << "as the resource compiler wrote it";
    EXPECT_EQ(0x5081000Du, dialog.items[0].style);
    EXPECT_EQ(u"&Create Set", dialog.items[10].text);
    EXPECT_EQ(104, dialog.items[10].id);
    EXPECT_EQ(150, dialog.items[10].y);
}

TEST(DialogTemplate, AnotherIdOrCutBytesGiveNoTemplate) {
    std::vector<uint8_t> bytes = Bytes(PanelResourceFile());
    substitute::DialogTemplate dialog;
    EXPECT_FALSE(substitute::ParseDialogResource(bytes, 20129, dialog));
    for (size_t cut : {bytes.size() - 1, bytes.size() / 2, size_t{40}, size_t{3}}) {
        const std::vector<uint8_t> shortened(bytes.begin(), bytes.begin() + cut);
        EXPECT_FALSE(substitute::ParseDialogResource(shortened, 20128, dialog)) << cut;
    }
}

TEST(DialogTemplate, AModuleWithoutAResourceFileOrATemplateMakesNoDialog) {
    const HMODULE panel = LoadLibraryA(NK_PLUGIN_MODULE_PATH);
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ(nullptr, CreateDialogParamW(panel, MAKEINTRESOURCEW(20129), nullptr,
                                          probe::ProbeDialogProc, 0));
    EXPECT_EQ(nullptr,
              CreateDialogParamW(panel, probe::W(u"PANEL"), nullptr, probe::ProbeDialogProc, 0))
        << "templates are found by number";
    FreeLibrary(panel);

    // The window system's own library sits beside the module, with no .res of its own.
    std::string directory = NK_PLUGIN_MODULE_PATH;
    directory.erase(directory.rfind('/') + 1);
    const HMODULE plain = LoadLibraryA((directory + "libnkwin32.so").c_str());
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(nullptr, CreateDialogParamW(plain, MAKEINTRESOURCEW(20128), nullptr,
                                          probe::ProbeDialogProc, 0));
    FreeLibrary(plain);
    substitute::RegisterModule("VARLUNE.EXE", {});
    EXPECT_EQ(nullptr, CreateDialogParamW(GetModuleHandleA("VARLUNE.EXE"), MAKEINTRESOURCEW(20128),
                                          nullptr, probe::ProbeDialogProc, 0))
        << "a module registered by name has no file";
    substitute::UnregisterModule("VARLUNE.EXE");
}
