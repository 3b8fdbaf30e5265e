#include "simhost/desktop/ScoreReport.h"

#include "simhost/desktop/PanelView.h"
#include "simhost/documents/ScoreContents.h"

std::string DescribeScoreRecords(const SimDocument& document, uint32_t hostVersion,
                                 const std::string& indent) {
    const ScoreContents contents = ReadScoreContents(document, hostVersion);
    std::string out =
        indent + "the score's records hold " + std::to_string(contents.staves) + " staves\n";
    out += ListTable(PanelRowsOf(contents), indent);
    for (size_t slot = 0; slot < contents.sets.size(); ++slot) {
        const StaffSetContents& set = contents.sets[slot];
        std::string line = indent + "set " + std::to_string(slot + 1) + ": ";
        for (size_t i = 0; i < set.staves.size(); ++i)
            line += (i ? ", " : "") + set.staves[i];
        if (set.staves.empty())
            line += "not stored";
        if (set.staves.empty() && set.name)
            line += ", its name \"" + *set.name + "\" kept";
        out += line + "\n";
    }
    return out;
}

std::string ViewName(const SimDocument& document) {
    const int set = document.ViewedSet();
    return set == 0 ? "all staves" : "staff set " + std::to_string(set);
}

std::string JoinedOrEmpty(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out.empty() ? "(empty)" : out;
}

std::string DescribeOpenDocuments(SimHost& host) {
    std::string out;
    for (SimDocument* document : host.Documents()) {
        out += "document " + std::to_string(document->Id()) + ": " + document->Title() +
               (document == host.CurrentDocument() ? ", the current one" : "") + "\n";
        const auto selected = document->SelectedSlots();
        out += selected ? "  selected staves " + std::to_string(selected->first) + " to " +
                              std::to_string(selected->second) + "\n"
                        : "  nothing selected\n";
        out += "  the score shows " + ViewName(*document) + "\n";
        out += "  undo history: " + JoinedOrEmpty(document->UndoHistory()) + "\n";
        out += "  redo steps: " + JoinedOrEmpty(document->RedoHistory()) + "\n";
        out += DescribeScoreRecords(*document, host.Version(), "  ");
    }
    return out;
}
