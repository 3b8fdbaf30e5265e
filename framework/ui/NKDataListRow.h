// One line of a list view: its cell texts in column order, and what ties it to the list
// item that shows it. The list item carries a pointer to its row as item data.
#pragma once

#include <cstdint>

#include "framework/core/NKStrings.h"

class NKCtrlDataList;

class NKDataListRow : public NKStrings {
public:
    // The check-box state as last reported by the list view, or as set at insertion.
    bool checked = false;
    // The index the list view gave the item at insertion; negative when it refused it.
    int32_t itemIndex = -1;
    NKCtrlDataList* list = nullptr; // not owned
};
