// Documents a scenario can load besides the sample score: an empty one, the sample without
// the category that keeps set names, and generated scores of any size. Written, like the
// sample, from the host's own record layouts.
#pragma once

#include <string>

#include "simhost/hostfunctions/SimHost.h"

// A document without a single record.
SimDocument& AddEmptyScore(SimHost& host);
// The sample score whose "QM Plug-in Data" category has been deleted; the name record of
// set 1 stays behind, filed under a category that no longer exists.
SimDocument& AddSampleWithoutDataCategory(SimHost& host);
// A score of `staves` staves named "Staff 1" and up (every tenth without a name text), eight
// staff sets of staves/8 consecutive staves each, the "QM Plug-in Data" category with the
// names of the odd sets, and `definitions` further expression definitions in another
// category.
SimDocument& AddGeneratedScore(SimHost& host, int staves, int definitions);

// Renames set n the way another program would: rewrites the description of its name record
// in place, outside any edit of the plug-in. False when the set has no name record.
bool RenameSetBehindThePanel(SimDocument& document, uint32_t hostVersion, int set,
                             const std::string& name);
