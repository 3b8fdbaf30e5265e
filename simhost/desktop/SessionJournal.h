// What the interactive host tells the terminal as a person works: which document is current,
// the staves selected, what the score shows, the undo and redo steps, the panel coming and
// going, which window is active and each message box that comes up. The host asks for the changes
// now and then and prints them, one line each, so that someone watching (or a script driving the
// host with real input) can follow, and wait for, what each action did.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/hostfunctions/SimHost.h"

class SessionJournal {
public:
    // A line for each fact that differs from the last call; every fact on the first call.
    std::vector<std::string> Changes(SimHost& host, const HostDesktop& desktop);
    // One line: the current document, what its score shows and its selection.
    static std::string Status(SimHost& host);

private:
    std::vector<std::string> facts_;
    size_t boxesSeen_ = 0;
};
