// The table of scenario actions as a scenario's writer meets it: the help lists every action
// in a form that a line can follow, and a line that names no action is answered with the
// forms the writer may have meant.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "simhost/scenarios/ScenarioActions.h"
#include "simhost/scenarios/ScenarioRunner.h"

namespace {

// A line written from a form of the help, as its reader would: each placeholder replaced by
// a value of its kind, punctuation after it kept.
std::vector<std::string> LineFollowing(const std::string& form) {
    const std::pair<std::string, std::vector<std::string>> values[] = {
        {"<text>...", {"KEY=1", "OTHER=2"}},
        {"<number>", {"7"}},
        {"<hex>", {"0x11000000"}},
        {"<text>", {"Strings"}},
        {"<key>", {"Shift+Tab"}},
    };
    std::vector<std::string> words;
    std::istringstream formWords(form);
    for (std::string word; formWords >> word;) {
        std::vector<std::string> written = {word};
        for (const auto& [placeholder, value] : values)
            if (word.compare(0, placeholder.size(), placeholder) == 0) {
                written = value;
                written.back() += word.substr(placeholder.size());
                break;
            }
        words.insert(words.end(), written.begin(), written.end());
    }
    return words;
}

// The transcript of a scenario whose second line is badLine, after a line that does work.
std::string TranscriptStoppingAt(const std::string& badLine) {
    Scenario scenario;
    scenario.lines.push_back({1, "load score sample", {"load", "score", "sample"}});
    std::vector<std::string> words;
    std::istringstream lineWords(badLine);
    for (std::string word; lineWords >> word;)
        words.push_back(word);
    scenario.lines.push_back({4, badLine, words});
    ScenarioRunner runner(NK_PLUGIN_MODULE_PATH, "");
    std::string transcript;
    EXPECT_FALSE(runner.Run(scenario, transcript)) << "the run stops at a line it cannot do";
    return transcript;
}

} // namespace

TEST(ScenarioActions, EveryActionOfTheHelpReadsBackAsThatAction) {
    std::istringstream help(ScenarioActionHelp());
    std::set<const ScenarioAction*> listed;
    for (std::string line; std::getline(help, line);) {
        // An action's line: indented, its form, two blanks, its help. The placeholders'
        // legend is indented too but starts with a placeholder.
        if (line.compare(0, 2, "  ") != 0 || line[2] == '<')
            continue;
        const std::string form = line.substr(2, line.find("  ", 2) - 2);
        ActionArguments arguments;
        const ScenarioAction* action = FindScenarioAction(LineFollowing(form), arguments);
        ASSERT_NE(nullptr, action) << "a line following \"" << form << "\" names no action";
        EXPECT_EQ(form, action->form.Text()) << "an earlier form takes the line";
        EXPECT_TRUE(listed.insert(action).second) << form << " is listed twice";
    }
    EXPECT_EQ(ScenarioActions().size(), listed.size());
}

TEST(ScenarioActions, AMisspeltWordShowsTheLineAndTheFormsStartingLikeIt) {
    const std::string transcript = TranscriptStoppingAt("click rwo 3");
    const std::string said = transcript.substr(transcript.find("> click rwo 3\n"));
    EXPECT_EQ(0u, said.find("> click rwo 3\n"
                            "  line 4: \"click rwo 3\" is not an action; actions have these "
                            "forms:\n"));
    EXPECT_NE(std::string::npos, said.find("\n    click row <number>  "));
    EXPECT_NE(std::string::npos, said.find("\n    click into the panel  "));
    EXPECT_EQ(std::string::npos, said.find("double-click")) << "only forms that start so";
    EXPECT_EQ(std::string::npos, said.find("open panel")) << "only forms that start so";
}

TEST(ScenarioActions, AnUnknownFirstWordShowsEveryForm) {
    const std::string transcript = TranscriptStoppingAt("clik row 3");
    EXPECT_NE(std::string::npos, transcript.find("  line 4: \"clik row 3\" is not an action"));
    for (const ScenarioAction& action : ScenarioActions())
        EXPECT_NE(std::string::npos, transcript.find("\n    " + action.form.Text() + "  "))
            << action.form.Text();
}

TEST(ScenarioActions, ADisplayScaleNotMeasuredStopsTheRunBeforeTheHostStarts) {
    Scenario scenario;
    scenario.lines.push_back({1, "display 100 dpi", {"display", "100", "dpi"}});
    scenario.lines.push_back({2, "load score sample", {"load", "score", "sample"}});
    ScenarioRunner runner(NK_PLUGIN_MODULE_PATH, "");
    std::string transcript;
    EXPECT_FALSE(runner.Run(scenario, transcript));
    EXPECT_EQ("  a display runs at 96, 120, 144 or 192 dpi here, not 100\n"
              "  line 1: cannot do this\n",
              transcript);
}
