// What a scenario's actions act on: the simulated host with its documents, the host's desktop
// (its main window, message boxes, beeps) and the plug-in module, loaded as the host loads
// it. Everything runs on the thread that made the stage, which owns the windows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32.h"

class HostDesktop;
class PluginModule;
class SimDocument;
class SimHost;

// What an action needs of the stage before it can be done.
enum class StageNeed { Nothing, HostNotStarted, Document, Panel, PluginLoaded, PluginUnloaded };

class ScenarioStage {
public:
    // Screenshots, where the platform can take them, go into screenshotFolder.
    ScenarioStage(std::string pluginPath, std::string screenshotFolder);
    // Unloads the plug-in as a quitting host does: Terminate, then the module goes.
    ~ScenarioStage();
    ScenarioStage(const ScenarioStage&) = delete;
    ScenarioStage& operator=(const ScenarioStage&) = delete;

    // Before Start only: the version the host tells the plug-in (0x12050000 unless chosen).
    void ChooseHostVersion(uint32_t version) { hostVersion_ = version; }
    uint32_t HostVersion() const { return hostVersion_; }

    // Makes the host and its desktop and loads the plug-in, and says so in out. False when
    // the plug-in cannot be loaded; out says why.
    bool Start(std::string& out);

    // The rest is for a started stage. The stage owns what these return (a document through
    // its host); the plug-in goes when it is unloaded, the rest with the stage.
    SimHost& Host() { return *host_; }
    HostDesktop& Desktop() { return *desktop_; }
    PluginModule* Plugin() { return plugin_.get(); } // null while unloaded
    SimDocument* Document();                         // the current one; null when none
    HWND Panel() const;                              // null while the panel is not open
    // What the current document's score shows: "all staves" or "staff set n".
    std::string ViewName();
    // The path of a file in the host's preference folder.
    std::string PreferenceFile(const char* name) const;
    const std::string& ScreenshotFolder() const { return screenshotFolder_; }

    // Loads the module from the plug-in path and runs its Version and Init as the host
    // does; false when it is not a usable plug-in (out says so).
    bool LoadPlugin(std::string& out);
    void UnloadPlugin();

    // Why an action with this need cannot be done now, or null when it can.
    const char* Unmet(StageNeed need);

private:
    std::string pluginPath_;
    std::string screenshotFolder_;
    uint32_t hostVersion_ = 0x12050000;
    std::unique_ptr<SimHost> host_;
    std::unique_ptr<HostDesktop> desktop_;
    std::unique_ptr<PluginModule> plugin_;
};
