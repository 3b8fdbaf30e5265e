// Checks a run against what the panel promises about the document, after every action:
//  - a panel that opens lists what the host's records hold ("show score");
//  - a tick or a change of activation brings every row up to the records when a row's stave
//    count no longer matches them, and otherwise changes no row: a name changed elsewhere
//    waits for the next change of a count, and is checked to wait;
//  - after a switch of documents the rows follow within five ticks;
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

    Rows previous_;
    HWND panelBefore_ = nullptr;
    bool activeBefore_ = false;
    int16_t documentBefore_ = 0;
    // The document the rows were last made for, and the ticks since the current document
    // became current while the rows were for another.
    int16_t rowsDocument_ = 0;
    int ticksSinceSwitch_ = 0;
    std::map<int16_t, SimDocument::Contents> first_;
    size_t comparisons_ = 0;
};
