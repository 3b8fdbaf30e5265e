// What a score's records hold about its staff sets, read by the host's own code and never
// through the plug-in: the truth a panel's rows are checked against.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "simhost/documents/SimDocument.h"

struct StaffSetContents {
    // Staff names in list order, as the panel's list shows a staff: the host's numbered name
    // on UTF-16 hosts; on 8-bit hosts the name text alone, with its accidentals spelled "b"
    // and "#"; "Staff #n" for a staff without a name. Empty: no set is stored in the slot.
    std::vector<std::string> staves;
    // The description after "QM Staff Set Panel n:" of the slot's first definition in the
    // first category named "QM Plug-in Data"; nothing without one.
    std::optional<std::string> name;
};

struct ScoreContents {
    size_t staves = 0; // entries of the score's own staff list
    std::array<StaffSetContents, 8> sets;
};

ScoreContents ReadScoreContents(const SimDocument& document, uint32_t hostVersion);

// The names of the score's staves in score order (slot 1 first), as a set's staves are named.
std::vector<std::string> ScoreStaffNames(const SimDocument& document, uint32_t hostVersion);

// The cells of the panel's nine rows ("#", "Name", "Staves", "Top", "Bottom") that these
// contents call for, with the list's texts for a slot without a set ("-") and a set without
// a name ("(No Name)").
std::vector<std::vector<std::string>> PanelRowsOf(const ScoreContents& contents);
