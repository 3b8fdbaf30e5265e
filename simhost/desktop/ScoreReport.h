// What the host's records hold, in words, read by the host's own code: the scenario action
// "show score" prints it for one document, and the interactive host writes it for every open
// document when it closes, so that a session driven by a person, or by real input, can be
// compared with an expected text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/documents/SimDocument.h"
#include "simhost/hostfunctions/SimHost.h"

// The rows the score's staff set records call for, in the panel's columns, then each stored
// set's staves. Several lines, each starting with indent.
std::string DescribeScoreRecords(const SimDocument& document, uint32_t hostVersion,
                                 const std::string& indent);

// "staff set 3", or "all staves".
std::string ViewName(const SimDocument& document);

// "a, b" for the items; "(empty)" for none.
std::string JoinedOrEmpty(const std::vector<std::string>& items);

// For every open document: its title and whether it is the current one, the selected staves,
// what the score shows, the undo and redo steps by name, and DescribeScoreRecords.
std::string DescribeOpenDocuments(SimHost& host);
