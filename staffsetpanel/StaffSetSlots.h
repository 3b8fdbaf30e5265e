// The score's staff set slots and where the panel shows them. A score has eight slots; set n
// is the staff list stored under item n - 37, and the score's main list, of all its staves,
// is the list under item 0. The panel's list shows all staves in row 0 and set n in row n.
// What may be done with a set follows from its slot alone: the panel's enabling and the
// guards of its commands both ask here.
#pragma once

#include <cstdint>

constexpr int32_t kStaffSetSlots = 8;

// The list's rows: all staves, then one for each slot.
constexpr int32_t kAllStavesRow = 0;
constexpr int32_t kStaffSetRows = kStaffSetSlots + 1;

constexpr bool IsStaffSetSlot(int32_t set) {
    return set >= 1 && set <= kStaffSetSlots;
}

constexpr int32_t ListRowOfSet(int32_t set) {
    return set;
}

// The staff list item of the score's main list, and of staff set n.
constexpr int16_t kAllStavesItem = 0;
constexpr int16_t StaffSetItem(int32_t set) {
    return static_cast<int16_t>(set - 37);
}
// The staff list item that row n of the list shows.
constexpr int16_t StaffListItemOfRow(int32_t row) {
    return row == kAllStavesRow ? kAllStavesItem : StaffSetItem(row);
}

// A move exchanges a set with its neighbour in the slot above or below it; the first set
// cannot go up, the last cannot go down.
constexpr int32_t SetAbove(int32_t set) {
    return set - 1;
}
constexpr int32_t SetBelow(int32_t set) {
    return set + 1;
}
constexpr bool CanMoveUp(int32_t set) {
    return IsStaffSetSlot(set) && IsStaffSetSlot(SetAbove(set));
}
constexpr bool CanMoveDown(int32_t set) {
    return IsStaffSetSlot(set) && IsStaffSetSlot(SetBelow(set));
}
