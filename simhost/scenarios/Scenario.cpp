#include "simhost/scenarios/Scenario.h"

#include <fstream>
#include <sstream>

namespace {

// Splits at blanks; "..." is one word without its quotes.
bool Split(const std::string& text, std::vector<std::string>& words) {
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            size_t end = text.find('"', i + 1);
            if (end == std::string::npos)
                return false;
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        size_t end = text.find_first_of(" \t", i);
        if (end == std::string::npos)
            end = text.size();
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return true;
}

std::string Trimmed(const std::string& line) {
    const char* blanks = " \t\r\n";
    size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

} // namespace

Scenario ReadScenario(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        Scenario scenario;
        scenario.error = "cannot read " + path;
        return scenario;
    }
    return ReadScenarioFrom(file);
}

Scenario ScenarioOfText(const std::string& text) {
    std::istringstream lines(text);
    return ReadScenarioFrom(lines);
}

Scenario ReadScenarioFrom(std::istream& in) {
    Scenario scenario;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        ScenarioLine scenarioLine;
        scenarioLine.number = number;
        scenarioLine.text = Trimmed(line);
        if (scenarioLine.text.empty() || scenarioLine.text[0] == '#')
            continue;
        if (!Split(scenarioLine.text, scenarioLine.words)) {
            scenario.error = "line " + std::to_string(number) + ": a quote is not closed";
            return scenario;
        }
        scenario.lines.push_back(std::move(scenarioLine));
    }
    return scenario;
}
