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

// A check made around every action of a run, on the stage as the action left it.
class StepCheck {
public:
    virtual ~StepCheck() = default;
    virtual void Before(ScenarioStage& stage, const ScenarioLine& line) = 0;
    // Adds what it found wrong to out; false stops the run.
    virtual bool After(ScenarioStage& stage, const ScenarioLine& line, std::string& out) = 0;
};

class ScenarioRunner {
public:
    // Screenshots, where the platform can take them, go into screenshotFolder.
    ScenarioRunner(std::string pluginPath, std::string screenshotFolder);

    // Not owned; null for none.
    void SetStepCheck(StepCheck* check) { check_ = check; }
    // A user cannot do what the stage does not offer (press a button of a closed panel): with
    // this, such a line is noted in the transcript and the run goes on, instead of stopping.
    void SkipUnmetNeeds(bool skip) { skipUnmet_ = skip; }
    ScenarioStage& Stage() { return stage_; }

    // The transcript goes to out; false when a line is not an action or its action could not
    // be carried out (the transcript says which line and why, and the run stops there).
    bool Run(const Scenario& scenario, std::string& out);

private:
    static bool IsSetUpLine(const ScenarioLine& line);
    bool Perform(const ScenarioLine& line, std::string& out);
    void ReportStep(std::string& out);
    void ReportBoxes(std::string& out);

    ScenarioStage stage_;
    StepCheck* check_ = nullptr;
    bool skipUnmet_ = false;
    size_t callsReported_ = 0, boxesReported_ = 0, beepsReported_ = 0;
    std::string undoReported_;
};
