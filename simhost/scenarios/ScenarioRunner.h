// Carries out a scenario (Scenario.h) against the plug-in module, loaded as the host loads
// it, and writes the transcript of what the user sees: after every action the message
// boxes that came up, the beeps, the host commands the plug-in ran and changes to the undo
// history; "show" adds the panel itself. The transcript is the same on every platform; a
// difference is a fault of the plug-in or of the substitute Win32 layer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32.h"
#include "simhost/scenarios/Scenario.h"

class HostDesktop;
class PluginModule;
class SimHost;

class ScenarioRunner {
public:
    // Screenshots, where the platform can take them, go into screenshotFolder.
    ScenarioRunner(std::string pluginPath, std::string screenshotFolder);
    ~ScenarioRunner();
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    // The transcript goes to out; false when an action could not be carried out (the
    // transcript says which, and the run stops there).
    bool Run(const Scenario& scenario, std::string& out);

private:
    bool Do(const ScenarioAction& action, std::string& out);
    bool Load(std::string& out);
    void Unload();
    void ReportStep(std::string& out);
    HWND Panel() const;
    std::string PreferenceFile(const char* name) const;

    std::string pluginPath_;
    std::string screenshotFolder_;
    uint32_t hostVersion_ = 0x12050000;
    std::unique_ptr<SimHost> host_;
    std::unique_ptr<HostDesktop> desktop_;
    std::unique_ptr<PluginModule> plugin_;
    size_t callsReported_ = 0, boxesReported_ = 0, beepsReported_ = 0;
    std::string undoReported_;
};
