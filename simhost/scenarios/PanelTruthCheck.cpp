#include "simhost/scenarios/PanelTruthCheck.h"

#include <cstdlib>

#include "simhost/desktop/PanelView.h"
#include "simhost/documents/ScoreContents.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

constexpr int kStavesColumn = 2;
// The panel looks at which document is current on every fifth tick.
constexpr int kTicksPerDocumentLook = 5;

// The stave count a row stands for: "-" is none.
std::vector<std::string> Counts(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> counts;
    for (const auto& row : rows)
        counts.push_back(row.size() > kStavesColumn && row[kStavesColumn] != "-"
                             ? row[kStavesColumn]
                             : "0");
    return counts;
}

std::string Table(const std::vector<std::vector<std::string>>& rows) {
    return ListTable(rows, "      ");
}

bool Is(const ScenarioLine& line, const char* first, const char* second = nullptr) {
    return !line.words.empty() && line.words[0] == first &&
           (!second || (line.words.size() > 1 && line.words[1] == second));
}

int16_t CurrentId(ScenarioStage& stage) {
    return stage.Document() ? stage.Document()->Id() : 0;
}

} // namespace

void PanelTruthCheck::Before(ScenarioStage& stage, const ScenarioLine&) {
    panelBefore_ = stage.Panel();
    activeBefore_ = panelBefore_ && GetActiveWindow() == panelBefore_;
    documentBefore_ = CurrentId(stage);
}

bool PanelTruthCheck::Expect(bool holds, const std::string& what, const Rows& shown,
                             const Rows& held, std::string& out) {
    ++comparisons_;
    if (holds)
        return true;
    out += "  CHECK FAILED: " + what + "\n    the panel shows:\n" + Table(shown) +
           "    expected:\n" + Table(held);
    return false;
}

bool PanelTruthCheck::After(ScenarioStage& stage, const ScenarioLine& line, std::string& out) {
    NoteNewDocuments(stage);
    const HWND panel = stage.Panel();
    SimDocument* document = stage.Document();
    if (!panel || !document) {
        previous_.clear();
        panelBefore_ = nullptr;
        return true;
    }
    const Rows shown = PanelRows(panel);
    const Rows held = PanelRowsOf(ReadScoreContents(*document, stage.HostVersion()));
    const int16_t current = document->Id();
    if (current != documentBefore_ && rowsDocument_ != current)
        ticksSinceSwitch_ = 0;
    const bool stale = Counts(previous_) != Counts(held);
    bool ok = true;
    if (panel != panelBefore_) {
        ok = Expect(shown == held, "a panel that opens lists the records", shown, held, out);
        rowsDocument_ = current;
    } else if (Is(line, "tick")) {
        const int ticks = std::atoi(line.words[1].c_str());
        ticksSinceSwitch_ += ticks;
        if (stale || (rowsDocument_ != current && ticksSinceSwitch_ >= kTicksPerDocumentLook)) {
            ok = Expect(shown == held, "after a tick the rows follow the records", shown, held,
                        out);
            rowsDocument_ = current;
        } else if (rowsDocument_ != current) {
            ok = Expect(shown == held || shown == previous_,
                        "before the panel looks at the document, no row changes but to follow "
                        "it",
                        shown, previous_, out);
            if (shown == held && shown != previous_)
                rowsDocument_ = current;
        } else {
            ok = Expect(shown == previous_, "a tick with every count current changes no row",
                        shown, previous_, out);
        }
    } else if (Is(line, "click", "into")) {
        const bool activationChanged = (GetActiveWindow() == panel) != activeBefore_;
        if (activationChanged && stale) {
            ok = Expect(shown == held, "an activation brings stale rows up to the records", shown,
                        held, out);
            rowsDocument_ = current;
        } else {
            ok = Expect(shown == previous_, "an activation with every count current changes no row",
                        shown, previous_, out);
        }
    }
    previous_ = shown;
    return ok;
}

void PanelTruthCheck::NoteNewDocuments(ScenarioStage& stage) {
    for (int16_t id = 1; SimDocument* document = stage.Host().FindDocument(id); ++id)
        if (!first_.count(id))
            first_.emplace(id, document->Snapshot());
}

bool PanelTruthCheck::UndoAndRedoEverything(ScenarioStage& stage, std::string& out) {
    bool ok = true;
    for (auto& [id, first] : first_) {
        SimDocument& document = *stage.Host().FindDocument(id);
        const SimDocument::Contents last = document.Snapshot();
        // Steps undone during the run and not redone wait beyond the last contents.
        const size_t steps = document.UndoHistory().size();
        for (size_t step = 0; step < steps; ++step)
            document.Undo();
        if (document.Snapshot() != first) {
            out += "  CHECK FAILED: undoing every step of document " + std::to_string(id) +
                   " does not give back its first contents\n";
            ok = false;
        }
        for (size_t step = 0; step < steps; ++step)
            document.Redo();
        if (document.Snapshot() != last) {
            out += "  CHECK FAILED: redoing every step of document " + std::to_string(id) +
                   " does not give back its last contents\n";
            ok = false;
        }
    }
    return ok;
}
