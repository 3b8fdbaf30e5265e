// Carries out a scenario (Scenario.h) against the plug-in module, loaded as the host loads
// it, and writes the transcript of what the user sees: after every action the message
// boxes that came up, the beeps, the host commands the plug-in ran and changes to the undo
// history; "show" adds the panel itself. The transcript is the same on every platform; a
// difference is a fault of the plug-in or of the substitute Win32 layer. The actions and
// their forms are in ScenarioActions.h. Runs on one thread, which owns the windows.
#pragma once

#include <cstddef>
#include <string>

#include "simhost/scenarios/Scenario.h"
#include "simhost/scenarios/ScenarioStage.h"

class ScenarioRunner {
public:
    // Screenshots, where the platform can take them, go into screenshotFolder.
    ScenarioRunner(std::string pluginPath, std::string screenshotFolder);

    // The transcript goes to out; false when a line is not an action or its action could not
    // be carried out (the transcript says which line and why, and the run stops there).
    bool Run(const Scenario& scenario, std::string& out);

private:
    static bool IsSetUpLine(const ScenarioLine& line);
    bool Perform(const ScenarioLine& line, std::string& out);
    void ReportStep(std::string& out);
    void ReportBoxes(std::string& out);

    ScenarioStage stage_;
    size_t callsReported_ = 0, boxesReported_ = 0, beepsReported_ = 0;
    std::string undoReported_;
};
