#include "tests/bench/LeastHostCalls.h"

#include <set>

#include "simhost/documents/HostVersions.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/documents/StaffNames.h"

namespace {

constexpr int32_t kSets = 8;
// The host keeps staff set n as staff list n - 37 of the score; the score's own list is 0.
int16_t ListItem(int32_t set) {
    return static_cast<int16_t>(set == 0 ? 0 : set - 37);
}
// The panel asks for the current document on one tick in this many: its share of a tick.
constexpr double kDocumentCheckPerTick = 1.0 / 5;

const uint32_t kDocumentTags[] = {SimTag("SODT"), SimTag("SOTX"), SimTag("txxp"), SimTag("SOMC")};
const uint32_t kPartTags[] = {SimTag("SOIu"), SimTag("dtLP")};

// Records of one tag that differ between two stores: each costs one save, create or delete.
int32_t Differences(const RecordStore& before, const RecordStore& after, uint32_t tag) {
    std::set<RecordAddress> addresses;
    for (const RecordAddress& at : before.AddressesOf(tag))
        addresses.insert(at);
    for (const RecordAddress& at : after.AddressesOf(tag))
        addresses.insert(at);
    int32_t differences = 0;
    for (const RecordAddress& at : addresses) {
        const Bytes* old = before.Find(at);
        const Bytes* now = after.Find(at);
        if (!old || !now || *old != *now)
            ++differences;
    }
    return differences;
}

} // namespace

// A list is read entry by entry, each by its sub-number, until a load fails: the host has no
// call that gives a list's length, so the failed load that ends it cannot be saved.
double LeastHostCalls::ListReads(int32_t set) const {
    const RecordStore* score = document_.FindPartRecords(0);
    return (score ? static_cast<double>(ReadStaffList(*score, ListItem(set)).size()) : 0) + 1;
}

double LeastHostCalls::AllListReads() const {
    double reads = 0;
    for (int32_t set = 0; set <= kSets; ++set)
        reads += ListReads(set);
    return reads;
}

// Staff set lists belong to the score: one call learns the current part, and only when it
// is not the score two more make the score current and give the user's part back.
double LeastHostCalls::ScorePart() const {
    return document_.CurrentPart() == 0 ? 1 : 3;
}

// A name lives in an expression definition of the category "QM Plug-in Data": the category's
// id takes a walk of the categories, and the names one walk of the definitions. A walk of
// records whose items the plug-in cannot know costs a step to each record, a load of it,
// and the step that finds no more. One walk serves every row.
double LeastHostCalls::NameWalk() const {
    const double categories =
        static_cast<double>(document_.Records().AddressesOf(SimTag("SOMC")).size());
    const double definitions =
        static_cast<double>(document_.Records().AddressesOf(SimTag("SODT")).size());
    return (2 * categories + 1) + (2 * definitions + 1);
}

// A staff's shown name: its staff record gives the name's text block; a Unicode host names
// it in one more call, and only when that fails is the text block itself tried (one load
// when it is missing, two when there is one: the block and its text).
double LeastHostCalls::StaffName(int16_t staff) const {
    const Bytes* record = document_.Records().Find({SimTag("SOIS"), staff, 0});
    if (!record)
        return 1;
    const auto block = static_cast<int16_t>(ReadLittleEndian16(*record, 30));
    if (IsUnicodeHost(hostVersion_) && NumberedStaffName(document_, hostVersion_, block, staff))
        return 2;
    return 1 + (IsUnicodeHost(hostVersion_) ? 1 : 0) +
           (TextBlockText(document_, hostVersion_, block) ? 2 : 1);
}

// The top and bottom staff of a set, once each (a set of one staff names it once).
double LeastHostCalls::EdgeStaves(int32_t set) const {
    const RecordStore* score = document_.FindPartRecords(0);
    if (!score)
        return 0;
    const std::vector<ListEntry> list = ReadStaffList(*score, ListItem(set));
    if (list.empty())
        return 0;
    const auto top = static_cast<int16_t>(list.front().staff);
    const auto bottom = static_cast<int16_t>(list.back().staff);
    return StaffName(top) + (bottom == top ? 0 : StaffName(bottom));
}

// Every list, once; the score current for the reads; the document check's share.
double LeastHostCalls::Tick() const {
    return AllListReads() + ScorePart() + kDocumentCheckPerTick;
}

// The tick's own reads of the lists serve the refresh too. Then the names (one walk), the
// edge staves of every set, the document the rows now show, and the selection that decides
// which buttons can be pressed.
double LeastHostCalls::Refresh() const {
    double edges = 0;
    for (int32_t set = 1; set <= kSets; ++set)
        edges += EdgeStaves(set);
    return Tick() + NameWalk() + edges + 1 + 1;
}

// The rows as in a refresh (without a tick's document check), the dialog itself, and the
// document the panel shows.
double LeastHostCalls::Open() const {
    return Refresh() - kDocumentCheckPerTick + 1;
}

// The set's first entry shows that it exists; three host commands show it.
double LeastHostCalls::Switch() const {
    return ScorePart() + 1 + 3;
}

int32_t LeastHostCalls::RecordsWritten(const SimDocument::Contents& before) const {
    int32_t written = 0;
    for (uint32_t tag : kDocumentTags)
        written += Differences(before.records, document_.Records(), tag);
    const RecordStore empty;
    const RecordStore* scoreBefore = before.parts.count(0) ? &before.parts.at(0) : &empty;
    const RecordStore* scoreNow = document_.FindPartRecords(0);
    for (uint32_t tag : kPartTags)
        written += Differences(*scoreBefore, scoreNow ? *scoreNow : empty, tag);
    return written;
}

// Start and end of the one undoable edit; the records written; the score current for the
// lists; each list the operation needs, read once (in the document as it was, whose list
// lengths the lists of the sets read give, the same before and after for the sets not
// written); a staff for each selected slot; the selection; the typed name; one walk of the
// names; the edge staves of the rows shown anew; and the commands the behaviour asks for.
double LeastHostCalls::EditOf(const Edit& edit, const SimDocument::Contents& before) const {
    double calls = 2 + RecordsWritten(before) + ScorePart();
    const RecordStore empty;
    const RecordStore& scoreBefore = before.parts.count(0) ? before.parts.at(0) : empty;
    for (int32_t set : edit.listsRead)
        calls += static_cast<double>(ReadStaffList(scoreBefore, ListItem(set)).size()) + 1;
    if (edit.slotsSelected > 0)
        calls += edit.slotsSelected + 1;
    calls += edit.readsTypedName ? 1 : 0;
    calls += edit.findsNames ? NameWalk() : 0;
    for (int32_t set : edit.rowsShown)
        calls += EdgeStaves(set);
    return calls + edit.otherCalls;
}
