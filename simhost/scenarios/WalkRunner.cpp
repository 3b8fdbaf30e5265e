#include "simhost/scenarios/WalkRunner.h"

#include <cstdio>

#include "simhost/scenarios/PanelTruthCheck.h"
#include "simhost/scenarios/ScenarioRunner.h"

WalkOutcome RunCheckedScenario(const std::string& pluginPath, const Scenario& scenario) {
    WalkOutcome outcome;
    PanelTruthCheck check;
    {
        ScenarioRunner runner(pluginPath, "");
        runner.SetStepCheck(&check);
        runner.SkipUnmetNeeds(true);
        outcome.passed = runner.Run(scenario, outcome.transcript);
        if (outcome.passed)
            outcome.passed = check.UndoAndRedoEverything(runner.Stage(), outcome.transcript);
    }
    outcome.actions = scenario.lines.size();
    if (!outcome.passed) {
        // The failed check's line, else the runner's reason without the line number.
        size_t at = outcome.transcript.find("CHECK FAILED:");
        if (at == std::string::npos)
            at = outcome.transcript.find(": ", outcome.transcript.rfind("  line "));
        const size_t end = outcome.transcript.find('\n', at);
        outcome.failure = at == std::string::npos ? "stopped" : outcome.transcript.substr(at, end - at);
    }
    outcome.comparisons = check.Comparisons();
    return outcome;
}

Scenario ShrinkFailingScenario(const std::string& pluginPath, Scenario scenario) {
    const std::string failure = RunCheckedScenario(pluginPath, scenario).failure;
    auto& lines = scenario.lines;
    const size_t kept = !lines.empty() && lines[0].words.size() > 1 && lines[0].words[0] == "host" &&
                                lines[0].words[1] == "version"
                            ? 1
                            : 0;
    for (size_t run = (lines.size() - kept) / 2; run >= 1; run /= 2) {
        for (size_t start = kept; start + run <= lines.size();) {
            Scenario shorter = scenario;
            shorter.lines.erase(shorter.lines.begin() + static_cast<std::ptrdiff_t>(start),
                                shorter.lines.begin() + static_cast<std::ptrdiff_t>(start + run));
            if (RunCheckedScenario(pluginPath, shorter).failure == failure)
                scenario = std::move(shorter); // the same start now holds the next lines
            else
                start += run;
        }
    }
    return scenario;
}

std::string ScenarioText(const Scenario& scenario) {
    std::string text;
    for (const ScenarioLine& line : scenario.lines)
        text += line.text + "\n";
    return text;
}

std::string Fingerprint(const std::string& text) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    }
    char hex[20];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}
