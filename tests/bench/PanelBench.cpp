#include "tests/bench/PanelBench.h"

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PanelFacts.h"
#include "simhost/desktop/PanelView.h"
#include "simhost/desktop/PluginDialogs.h"
#include "simhost/desktop/UserInput.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

constexpr uint32_t kHostVersion = 0x12050000;

} // namespace

PanelBench::PanelBench(int staves, int definitions)
    : host_(std::make_unique<SimHost>(kHostVersion)), desktop_(std::make_unique<HostDesktop>()),
      plugin_(std::make_unique<PluginModule>(NK_PLUGIN_MODULE_PATH)) {
    document_ = &AddGeneratedScore(*host_, staves, definitions);
    if (!plugin_->Usable())
        return;
    host_->SetPluginModule(plugin_->Handle());
    plugin_->Version(kHostVersion);
    uint32_t flags = 0;
    plugin_->Init(&flags);
    Open();
    panelOpened_ = Panel() != nullptr;
}

PanelBench::~PanelBench() {
    if (plugin_->Usable())
        plugin_->Terminate();
    desktop_->PumpMessages();
    plugin_.reset();
    host_->SetPluginModule(nullptr);
}

HWND PanelBench::Panel() const {
    std::vector<HWND> open = PluginDialogs::Open();
    return open.empty() ? nullptr : open.back();
}

void PanelBench::Open() {
    plugin_->Invoke(desktop_->MainWindow());
    desktop_->PumpMessages();
}

void PanelBench::Close() {
    Press("&Close");
}

void PanelBench::Tick() {
    SendMessageW(Panel(), WM_TIMER, PanelFacts::kTimerId, 0);
    desktop_->PumpMessages();
}

void PanelBench::ClickRow(int row) {
    UserInput::ClickRow(PanelList(Panel()), row);
    desktop_->PumpMessages();
}

void PanelBench::Type(const std::string& text) {
    UserInput::TypeText(PanelNameField(Panel()), Utf8ToUtf16(text));
    desktop_->PumpMessages();
}

void PanelBench::Press(const std::string& caption) {
    UserInput::ClickButton(FindButton(Panel(), caption));
    desktop_->PumpMessages();
}

void PanelBench::AnswerYes() {
    desktop_->AnswerNextBoxes({IDYES});
}

size_t PanelBench::UndoSteps() const {
    return document_->UndoHistory().size();
}

void PanelBench::UndoEditsBeyond(size_t historyBefore) {
    while (UndoSteps() > historyBefore && document_->Undo()) {
    }
}

size_t PanelBench::HostCalls() const {
    return host_->Log().Calls().size();
}

size_t PanelBench::LoadsWithBuffer(uint32_t tag) const {
    size_t loads = 0;
    for (const HostCall& call : host_->Log().Calls())
        if (call.function == "NX_LoadEData" && call.arguments.size() >= 3 &&
            static_cast<uint32_t>(call.arguments[0]) == tag && call.arguments[2] != 0)
            ++loads;
    return loads;
}

void PanelBench::ClearLog() {
    host_->Log().Clear();
}
