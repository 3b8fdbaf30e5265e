// A scenario: what a user does with the host and the panel, one action a line, read by people
// who have never seen the code. Blank lines and lines that start with "#" are skipped. The
// actions a line may name are listed by `VARLUNE --script-help`; the runner
// (ScenarioRunner) carries them out and writes what the user sees into a transcript.
#pragma once

#include <istream>
#include <string>
#include <vector>

// One line of a scenario, as written: not yet known to be an action.
struct ScenarioLine {
    int number = 0;                 // from 1, counting the skipped lines too
    std::string text;               // the line as written, without blanks at either end
    std::vector<std::string> words; // split at blanks; quoted texts stay whole, unquoted
};

struct Scenario {
    std::vector<ScenarioLine> lines;
    std::string error; // empty when the file was read; else what was wrong
};

Scenario ReadScenario(const std::string& path);
Scenario ScenarioOfText(const std::string& text);
Scenario ReadScenarioFrom(std::istream& in);
