// One staff set operation of the panel, run by an NKUndoBlock inside one host edit.
// Staff set n (1 to 8) is the staff list stored under item n - 37; the list under item 0 is
// the score's main list, whose order decides where added staves go. The selection's staves
// are read in the part the user is looking at; the sets and the main list are read and
// written with the score itself (part 0) made current.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "framework/core/NKUndoBlockHandler.h"

class NKMusicRegion;
class NKUI;

enum StaffSetOperation : int32_t {
    kCreateSet = 0,
    kRenameSet = 1,
    kAddStaves = 2,
    kRemoveStaves = 3,
    kMoveSetUp = 4,
    kMoveSetDown = 5,
    kDeleteSet = 6,
};

// The staff list item of staff set n.
constexpr int16_t StaffSetItem(int32_t set) {
    return static_cast<int16_t>(set - 37);
}
// The distance the operations give a staff below the one above it where none is known.
constexpr int32_t kStaffSpacing = 288;

class NKStaffSetPanelHandler : public __NKUndoBlockHandler {
public:
    // The name (null for none) is copied; the region stays the caller's. Creating a set takes
    // its staves from the region; adding and removing read the host's current selection.
    NKStaffSetPanelHandler(const NKString* name, int32_t setNumber, NKUI* ui,
                           NKMusicRegion* region);

    // True when the document was changed as asked; false makes the undo block cancel the
    // host edit, so a failure anywhere leaves the document as it was.
    bool Execute() override;

    // False, after telling the user how to create it, when the name category is missing.
    bool EnsureNameCategory();
    bool SetSetName(const NKString* setName, int32_t set);
    bool ClearSetName(int32_t set);

    NKUI* ui;
    NKString name;
    int32_t setNumber;
    NKMusicRegion* region;
    int32_t kind = kCreateSet;

private:
    bool CreateFromRegion(int32_t set);
    bool AddStaves(int32_t set);
    bool RemoveStaves(int32_t set);
    bool SwapSets(int32_t a, int32_t b);
    bool DeleteSet(int32_t set);
    // Deletes the set's name record, with its enclosure when asked; true when there is none.
    bool RemoveNameRecord(int32_t set, bool withWhatBelongsToIt);
    // The name category's identifier, or -1 after telling the user how to create it.
    int16_t NameCategoryOrTell();
};
