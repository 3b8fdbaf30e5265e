// Checks a run against what the panel promises about the document, after every action:
//  - a panel that opens lists what the host's records hold ("show score");
//  - a tick or a change of activation brings every row up to the records when a row's stave
//    count no longer matches them, and otherwise changes no row: a name changed elsewhere
//    waits for the next change of a count, and is checked to wait;
//  - every fifth tick of the module looks at the current document, and a panel made for
//    another brings every row up to the records;
//  - at the end, undoing every step of each document gives back its first contents byte
//    for byte, and redoing them all its last.
// Between those events (a press, a typed name, an answer, undo) the rows are only compared
// with the previous ones at the next event.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "simhost/documents/SimDocument.h"
#include "simhost/scenarios/ScenarioRunner.h"

class PluginModule;

class PanelTruthCheck : public StepCheck {
public:
    void Before(ScenarioStage& stage, const ScenarioLine& line) override;
    bool After(ScenarioStage& stage, const ScenarioLine& line, std::string& out) override;
    // The undo and redo check, on the stage as the run left it; false, saying why, on a
    // difference.
    bool UndoAndRedoEverything(ScenarioStage& stage, std::string& out);
    // How many comparisons of the rows were made.
    size_t Comparisons() const { return comparisons_; }

private:
    using Rows = std::vector<std::vector<std::string>>;
    bool Expect(bool holds, const std::string& what, const Rows& shown, const Rows& held,
                std::string& out);
    void NoteNewDocuments(ScenarioStage& stage);
    // The rows the ticks of the line should leave, from the previous ones.
    Rows AfterTicks(int ticks, int16_t current, const Rows& held, bool& either);

    Rows previous_;
    HWND panelBefore_ = nullptr;
    const PluginModule* pluginBefore_ = nullptr;
    bool activeBefore_ = false;
    // What the plug-in holds between events: the panel object lives from its first opening
    // until the module goes, and remembers the document of its making and of its last refresh
    // of every row; the module counts ticks, and looks at the current document on every fifth.
    // An action that is not checked may have refreshed the rows through an activation of its
    // own; then the remembered document is not known until the next look.
    bool panelMade_ = false;
    int16_t panelDocument_ = 0;
    bool panelDocumentKnown_ = true;
    int ticks_ = 0;
    std::map<int16_t, SimDocument::Contents> first_;
    size_t comparisons_ = 0;
};
