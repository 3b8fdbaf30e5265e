// One staff set operation of the panel, run by an NKUndoBlock inside one host edit. Added
// staves go where the order of the score's main list puts them (StaffSetSlots.h says where
// each list is stored). The selection's staves are read in the part the user is looking at;
// the sets and the main list are read and written with the score itself (part 0) current.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "framework/core/NKUndoBlockHandler.h"
#include "staffsetpanel/StaffSetSlots.h"

class NKMusicRegion;
class NKUI;

// The kinds of operation. The handler's kind holds one as an integer; it runs no other.
enum StaffSetOperation : int32_t {
    kCreateSet = 0,
    kRenameSet = 1,
    kAddStaves = 2,
    kRemoveStaves = 3,
    kMoveSetUp = 4,
    kMoveSetDown = 5,
    kDeleteSet = 6,
};

// Where no distance is known, the operations put a staff this far below the one above it.
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

    // When the name category is missing, tells the user how to create it and answers false.
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
    // What deleting a name record takes: the definition alone, or its enclosure too.
    enum class NameRecordParts { kRecordOnly, kWithEnclosure };
    // Deletes the set's name record; true when there is none.
    bool RemoveNameRecord(int32_t set, NameRecordParts parts);
    // The name category's identifier. When it is missing, tells the user how to create it
    // and answers -1.
    int16_t NameCategoryOrTell();
};
