// The least number of host calls that the host interface allows for the panel's work, worked
// out from the document as the host keeps it, never from what the plug-in did. Each figure
// assumes a plug-in that reads every record it needs exactly once per piece of work and
// calls nothing it does not need; the comments in the source say why each call cannot be
// saved.
#pragma once

#include <cstdint>
#include <vector>

#include "simhost/documents/SimDocument.h"

class LeastHostCalls {
public:
    LeastHostCalls(const SimDocument& document, uint32_t hostVersion)
        : document_(document), hostVersion_(hostVersion) {}

    // One timer tick: the nine stave counts, and its share of the document check.
    double Tick() const;
    // A tick that finds a changed stave count and shows every row anew.
    double Refresh() const;
    // Opening the panel: the dialog, the document it shows and every row.
    double Open() const;
    // Showing set s: finding that it exists and the host's three view commands.
    double Switch() const;
    // An edit of the score, given the document before it: the records it had to write
    // (each changed, added or removed record one call), the reads that tell it what to
    // write, and what the panel shows of the result afterwards.
    struct Edit {
        std::vector<int32_t> listsRead; // sets whose lists the operation reads
        int32_t slotsSelected = 0;      // staves the selection names, 0 without one
        bool readsTypedName = false;
        bool findsNames = false;        // walks the name records
        std::vector<int32_t> rowsShown; // sets whose rows show new texts
        int32_t otherCalls = 0;         // host commands and redraws the behaviour asks for
    };
    double EditOf(const Edit& edit, const SimDocument::Contents& before) const;

private:
    double ListReads(int32_t set) const;
    double AllListReads() const;
    double ScorePart() const;
    double NameWalk() const;
    double EdgeStaves(int32_t set) const;
    double StaffName(int16_t staff) const;
    int32_t RecordsWritten(const SimDocument::Contents& before) const;

    const SimDocument& document_;
    uint32_t hostVersion_;
};
