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

} // namespace

void PanelTruthCheck::Before(ScenarioStage& stage, const ScenarioLine&) {
    panelBefore_ = stage.Panel();
    pluginBefore_ = stage.Plugin();
    activeBefore_ = panelBefore_ && GetActiveWindow() == panelBefore_;
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

PanelTruthCheck::Rows PanelTruthCheck::AfterTicks(int ticks, int16_t current, const Rows& held,
                                                  bool& either) {
    Rows rows = previous_;
    either = false;
    for (int tick = 0; tick < ticks; ++tick) {
        if (++ticks_ >= kTicksPerDocumentLook) {
            ticks_ = 0;
            if (!panelDocumentKnown_) {
                either = rows != held; // refreshed, or already made for this document
                rows = held;
                panelDocument_ = current;
                panelDocumentKnown_ = true;
                continue;
            }
            if (panelDocument_ != current) {
                rows = held;
                panelDocument_ = current;
                continue;
            }
        }
        if (Counts(rows) != Counts(held)) {
            rows = held;
            panelDocument_ = current;
        }
    }
    return rows;
}

bool PanelTruthCheck::After(ScenarioStage& stage, const ScenarioLine& line, std::string& out) {
    NoteNewDocuments(stage);
    if (stage.Plugin() != pluginBefore_) { // the module went, or came anew
        panelMade_ = false;
        ticks_ = 0;
    }
    const HWND panel = stage.Panel();
    SimDocument* document = stage.Document();
    if (!panel || !document) {
        previous_.clear();
        return true;
    }
    const Rows shown = PanelRows(panel);
    const Rows held = PanelRowsOf(ReadScoreContents(*document, stage.HostVersion()));
    const int16_t current = document->Id();
    bool ok = true;
    if (panel != panelBefore_) {
        ok = Expect(shown == held, "a panel that opens lists the records", shown, held, out);
        if (!panelMade_) {
            panelMade_ = true;
            panelDocument_ = current;
            panelDocumentKnown_ = true;
        }
    } else if (Is(line, "tick")) {
        bool either = false;
        const Rows expected = AfterTicks(std::atoi(line.words[1].c_str()), current, held, either);
        ok = Expect(shown == expected || (either && shown == previous_),
                    "each tick refreshes every row exactly when a count is stale or the panel "
                    "was made for another document",
                    shown, expected, out);
    } else if (Is(line, "click", "into")) {
        const bool activationChanged = (GetActiveWindow() == panel) != activeBefore_;
        Rows expected = previous_;
        if (activationChanged && Counts(previous_) != Counts(held)) {
            expected = held;
            panelDocument_ = current;
        }
        ok = Expect(shown == expected,
                    "an activation refreshes every row exactly when a count is stale", shown,
                    expected, out);
    } else if (panelDocument_ != current) {
        panelDocumentKnown_ = false;
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
