#include "simhost/scenarios/ScenarioRunner.h"

#include <cstdio>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/ScoreReport.h"
#include "simhost/documents/SimDocument.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/hostfunctions/SimHost.h"
#include "simhost/scenarios/ScenarioActions.h"

namespace {

std::string AnswerName(int answer) {
    switch (answer) {
    case IDYES:
        return "Yes";
    case IDNO:
        return "No";
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    default:
        return std::to_string(answer);
    }
}

} // namespace

ScenarioRunner::ScenarioRunner(std::string pluginPath, std::string screenshotFolder)
    : stage_(std::move(pluginPath), std::move(screenshotFolder)) {}

bool ScenarioRunner::Run(const Scenario& scenario, std::string& out) {
    if (!scenario.error.empty()) {
        out += "the scenario cannot be read: " + scenario.error + "\n";
        return false;
    }
    size_t next = 0;
    for (; next < scenario.lines.size() && IsSetUpLine(scenario.lines[next]); ++next)
        if (!Perform(scenario.lines[next], out))
            return false;
    if (!stage_.Start(out))
        return false;
    for (; next < scenario.lines.size(); ++next) {
        const ScenarioLine& line = scenario.lines[next];
        out += "\n> " + line.text + "\n";
        if (check_)
            check_->Before(stage_, line);
        if (!Perform(line, out))
            return false;
        stage_.Desktop().PumpMessages();
        ReportStep(out);
        if (check_ && !check_->After(stage_, line, out))
            return false;
    }
    return true;
}

// The host is made with its version and its display, before any other action; so only the
// lines before every other action may choose them. They are not part of the transcript: the
// banner, and what each says, is.
bool ScenarioRunner::IsSetUpLine(const ScenarioLine& line) {
    ActionArguments arguments;
    const ScenarioAction* action = FindScenarioAction(line.words, arguments);
    return action && action->needs == StageNeed::HostNotStarted;
}

bool ScenarioRunner::Perform(const ScenarioLine& line, std::string& out) {
    const std::string where = "  line " + std::to_string(line.number) + ": ";
    ActionArguments arguments;
    const ScenarioAction* action = FindScenarioAction(line.words, arguments);
    if (!action) {
        const std::string firstWord = line.words.empty() ? "" : line.words[0];
        out += where + "\"" + line.text + "\" is not an action; actions have these forms:\n" +
               FormsStartingWith(firstWord, "    ");
        return false;
    }
    if (const char* unmet = stage_.Unmet(action->needs)) {
        if (skipUnmet_ && action->needs != StageNeed::HostNotStarted) {
            out += "  (not possible now: " + std::string(unmet) + ")\n";
            return true;
        }
        out += where + "cannot do this: " + unmet + "\n";
        return false;
    }
    if (!action->perform(stage_, arguments, out)) {
        out += where + "cannot do this\n";
        return false;
    }
    return true;
}

void ScenarioRunner::ReportBoxes(std::string& out) {
    HostDesktop& desktop = stage_.Desktop();
    const std::vector<BoxSeen>& boxes = desktop.BoxesSeen();
    for (size_t i = boxesReported_; i < boxes.size(); ++i) {
        const BoxSeen& box = boxes[i];
        std::string owner = box.owner == desktop.MainWindow()          ? "the host window"
                            : box.owner && box.owner == stage_.Panel() ? "the panel"
                                                                       : "no window";
        out += "  message box \"" + Utf16ToUtf8(box.caption) + "\", owned by " + owner + ":\n";
        std::string text = Utf16ToUtf8(box.text);
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 5))
            text.replace(at, 1, "\n    ");
        out += "    " + text + "\n    ";
        for (const std::u16string& button : box.buttons)
            out += "[" + Utf16ToUtf8(button) + "] ";
        if (box.key.empty())
            out += "-> " + AnswerName(box.answer) + "\n";
        else if (box.closedByKey)
            out += "-> key " + box.key + ": " + AnswerName(box.answer) + "\n";
        else
            out += "-> key " + box.key + " does not close the box; then " + AnswerName(box.answer) +
                   "\n";
    }
    boxesReported_ = boxes.size();
}

void ScenarioRunner::ReportStep(std::string& out) {
    ReportBoxes(out);
    const std::vector<UINT> beeps = stage_.Desktop().Beeps();
    for (size_t i = beepsReported_; i < beeps.size(); ++i) {
        char text[40];
        std::snprintf(text, sizeof text, "  beep 0x%X\n", beeps[i]);
        out += text;
    }
    beepsReported_ = beeps.size();
    const std::vector<HostCall>& calls = stage_.Host().Log().Calls();
    std::vector<std::string> commands;
    bool redrawn = false;
    for (size_t i = callsReported_; i < calls.size(); ++i) {
        if (calls[i].function == "NX_ExecuteMenuItem" && !calls[i].arguments.empty())
            commands.push_back(std::to_string(calls[i].arguments[0]));
        redrawn = redrawn || calls[i].function == "NX_RedrawMusic";
    }
    callsReported_ = calls.size();
    SimDocument* document = stage_.Document();
    if (!commands.empty())
        out += "  host commands " + JoinedOrEmpty(commands) + "; the score shows " +
               stage_.ViewName() + "\n";
    if (redrawn)
        out += "  the host redraws the music\n";
    std::string undo = document ? JoinedOrEmpty(document->UndoHistory()) : "";
    if (undo != undoReported_ && document)
        out += "  undo history: " + undo + "\n";
    undoReported_ = undo;
}
