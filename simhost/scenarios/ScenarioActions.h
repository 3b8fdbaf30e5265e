// The actions a scenario line may name, in one table: each with its form, one line of help,
// what it needs of the stage and what it does. Lines are recognised by the forms, and
// `VARLUNE --script-help` lists them; a new action is one row of the table and its function
// (ScenarioActions.cpp). All functions run on the stage's thread.
#pragma once

#include <string>
#include <vector>

#include "simhost/scenarios/ActionForm.h"
#include "simhost/scenarios/ScenarioStage.h"

// Does the action with what its line gave for the placeholders; adds to out what the user
// sees beyond what the runner reports after every line (the panel, for "show"). False when
// the action cannot be done; the runner then stops.
using PerformAction = bool (*)(ScenarioStage& stage, const ActionArguments& arguments,
                               std::string& out);

struct ScenarioAction {
    ActionForm form;
    StageNeed needs; // checked by the runner before perform
    PerformAction perform;
    std::string help; // one line: what the action does, for a reader who knows no code
};

// Every action, in the order the help lists them. The first whose form a line takes is the
// action the line names. Made on first use; it lives as long as the program.
const std::vector<ScenarioAction>& ScenarioActions();

// The action that words (a line split as Scenario.h splits it) name, a row of the table,
// and in arguments what they gave for its placeholders; null when they name none.
const ScenarioAction* FindScenarioAction(const std::vector<std::string>& words,
                                         ActionArguments& arguments);

// The help lines, each starting with indent, of the actions whose form starts with
// firstWord, or of every action when none does: what a line that names no action may have
// meant.
std::string FormsStartingWith(const std::string& firstWord, const std::string& indent);

// What `VARLUNE --script-help` prints: how a scenario is written, a help line for every
// action (its form, then its help), and what each kind of placeholder takes.
std::string ScenarioActionHelp();
