#include "simhost/scenarios/ScenarioStage.h"

#include <cstdio>
#include <vector>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PluginDialogs.h"
#include "simhost/desktop/ScoreReport.h"
#include "simhost/documents/SimDocument.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

ScenarioStage::ScenarioStage(std::string pluginPath, std::string screenshotFolder)
    : pluginPath_(std::move(pluginPath)), screenshotFolder_(std::move(screenshotFolder)) {}

ScenarioStage::~ScenarioStage() {
    UnloadPlugin();
}

bool ScenarioStage::Start(std::string& out) {
    host_ = std::make_unique<SimHost>(hostVersion_);
    desktop_ = std::make_unique<HostDesktop>();
    char banner[80];
    std::snprintf(banner, sizeof banner, "host version 0x%08X, plug-in loaded\n",
                  static_cast<unsigned>(hostVersion_));
    out += banner;
    return LoadPlugin(out);
}

SimDocument* ScenarioStage::Document() {
    return host_->CurrentDocument();
}

HWND ScenarioStage::Panel() const {
    std::vector<HWND> open = PluginDialogs::Open();
    return open.empty() ? nullptr : open.back();
}

std::string ScenarioStage::ViewName() {
    return Document() ? ::ViewName(*Document()) : "all staves";
}

std::string ScenarioStage::PreferenceFile(const char* name) const {
    return (host_->PreferenceFolder() / name).string();
}

bool ScenarioStage::LoadPlugin(std::string& out) {
    plugin_ = std::make_unique<PluginModule>(pluginPath_);
    if (!plugin_->Usable()) {
        out += "  the plug-in could not be loaded from " + pluginPath_ + "\n";
        plugin_.reset();
        return false;
    }
    host_->SetPluginModule(plugin_->Handle());
    desktop_->RecordBeepsOf(plugin_->Handle());
    plugin_->Version(hostVersion_);
    uint32_t flags = 0;
    plugin_->Init(&flags);
    return true;
}

void ScenarioStage::UnloadPlugin() {
    if (!plugin_)
        return;
    plugin_->Terminate();
    if (desktop_)
        desktop_->PumpMessages();
    plugin_.reset();
    if (host_)
        host_->SetPluginModule(nullptr);
}

const char* ScenarioStage::Unmet(StageNeed need) {
    switch (need) {
    case StageNeed::Nothing:
        return nullptr;
    case StageNeed::HostNotStarted:
        return host_ ? "the host has started; only the first lines can set it up" : nullptr;
    case StageNeed::Document:
        return Document() ? nullptr : "no document is open";
    case StageNeed::Panel:
        return Panel() ? nullptr : "the panel is not open";
    case StageNeed::PluginLoaded:
        return plugin_ ? nullptr : "the plug-in is not loaded";
    case StageNeed::PluginUnloaded:
        return plugin_ ? "the plug-in is loaded already" : nullptr;
    }
    return nullptr;
}
