// How the host itself shows a staff's name: its name text without the inline tags, with
// flat and sharp signs, and numbered when several staves share the name ("Horn in F 2").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "simhost/documents/SimDocument.h"

// Removes "^word(...)" tags, shows "^flat()" and "^sharp()" as signs, and "^^" as "^".
std::string HostPlainText(const std::string& tagged);

// The full name text (UTF-8) of the text block, or nothing when a record is missing.
std::optional<std::string> TextBlockText(const SimDocument& document, uint32_t hostVersion,
                                         int16_t textBlock);

std::optional<std::string> NumberedStaffName(const SimDocument& document, uint32_t hostVersion,
                                             int16_t nameTextBlock, int16_t staff);
