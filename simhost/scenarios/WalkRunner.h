// Runs random walks (RandomWalk.h) with every step checked against the host's records
// (PanelTruthCheck.h), and shrinks a walk that fails to the shortest scenario found that
// still fails, so that it can be read, replayed and kept as a scenario.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/scenarios/Scenario.h"

struct WalkOutcome {
    bool passed = false;
    size_t actions = 0;     // lines carried out
    size_t comparisons = 0; // of the panel's rows with the records
    std::string transcript; // with what failed, when a check failed
    // What stopped the run, the same wherever in the run it happened: the failed check's
    // line, or the reason an action could not be done. Empty when it passed.
    std::string failure;
};

// One walk on a fresh stage: the host, the desktop and the plug-in loaded anew.
WalkOutcome RunCheckedScenario(const std::string& pluginPath, const Scenario& scenario);

// Takes away runs of lines, halves first and single lines last, as long as what is left
// still fails in the same way; the first line stays when it chooses the host.
Scenario ShrinkFailingScenario(const std::string& pluginPath, Scenario scenario);

// The scenario's lines as a file would hold them.
std::string ScenarioText(const Scenario& scenario);

// 64-bit FNV-1a of the text, in hexadecimal: one transcript's fingerprint.
std::string Fingerprint(const std::string& text);
