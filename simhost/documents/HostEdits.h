// The host's own commands on a score, made without the plug-in, each one undoable step of the
// document under the host's name for it. A panel learns of them only by reading the document
// again. Each returns false, changing nothing, when it cannot be done: an edit is open, or
// there is no such staff, set or position.
#pragma once

#include <string>

#include "simhost/documents/SimDocument.h"

// "Add Staff": a new staff with this name at the bottom of the score.
bool AddStaffToScore(SimDocument& document, uint32_t hostVersion, const std::string& name);
// "Delete Staff": the staff at this position of the score (1 for the top) leaves the score
// and every staff set; a set left without staves is no longer stored.
bool DeleteStaffFromScore(SimDocument& document, int position);
// "Edit Staff Set": set 1 to 8 holds the staves at these positions of the score, in order.
bool SetStaffSetStaves(SimDocument& document, int set, int firstPosition, int lastPosition);
// "Rename Staff Set": the set's name record, where it has one, takes the new name.
bool RenameStaffSet(SimDocument& document, uint32_t hostVersion, int set,
                    const std::string& name);
