#include "simhost/desktop/SessionJournal.h"

#include "simhost/desktop/PluginDialogs.h"
#include "simhost/desktop/ScoreReport.h"
#include "simhost/documents/UtfConversion.h"

namespace {

std::string Selection(const SimDocument& document) {
    const auto region = document.SelectedSlots();
    return region ? "staves " + std::to_string(region->first) + " to " +
                        std::to_string(region->second) + " selected"
                  : "nothing selected";
}

// Where the keyboard's input goes: the window a person works in.
std::string ActiveWindow(const std::vector<HWND>& panels, HWND hostWindow) {
    const HWND active = GetActiveWindow();
    if (!active)
        return "no window of the host is active";
    if (active == hostWindow)
        return "the score is active";
    for (HWND panel : panels)
        if (active == panel)
            return "the panel is active";
    return "another window is active";
}

} // namespace

std::string SessionJournal::Status(SimHost& host) {
    const SimDocument* document = host.CurrentDocument();
    if (!document)
        return "no document is open";
    return document->Title() + ": the score shows " + ViewName(*document) + "; " +
           Selection(*document);
}

std::vector<std::string> SessionJournal::Changes(SimHost& host, const HostDesktop& desktop) {
    std::vector<std::string> facts;
    if (const SimDocument* document = host.CurrentDocument()) {
        facts.push_back("document " + std::to_string(document->Id()) + ": " + document->Title());
        facts.push_back(Selection(*document));
        facts.push_back("the score shows " + ViewName(*document));
        facts.push_back("undo history: " + JoinedOrEmpty(document->UndoHistory()));
        facts.push_back("redo steps: " + JoinedOrEmpty(document->RedoHistory()));
    }
    const std::vector<HWND> panels = PluginDialogs::Open();
    facts.push_back(panels.empty() ? "the panel is closed" : "the panel is open");
    facts.push_back(ActiveWindow(panels, desktop.MainWindow()));

    std::vector<std::string> changes;
    for (size_t i = 0; i < facts.size(); ++i)
        if (i >= facts_.size() || facts_[i] != facts[i])
            changes.push_back(facts[i]);
    facts_ = facts;
    const std::vector<BoxSeen>& boxes = desktop.BoxesSeen();
    for (; boxesSeen_ < boxes.size(); ++boxesSeen_)
        changes.push_back("message box \"" + Utf16ToUtf8(boxes[boxesSeen_].caption) +
                          "\": " + Utf16ToUtf8(boxes[boxesSeen_].text));
    return changes;
}
