// What the host knows of the staff set panel from outside, as a user or a script drives it:
// the dialog template and its items, the panel's timer, the files it keeps in the preference
// folder, and the message the host sends it. The simulated host states these itself, without
// the plug-in's headers, so that a run through it checks the plug-in against them.
#pragma once

#include "platform/win32.h"

namespace PanelFacts {

// The dialog template in the plug-in module, and its items.
constexpr int kTemplateId = 20128;
constexpr int kListId = 101;
constexpr int kSwitchToId = 1; // the default button
constexpr int kCloseId = 2;
constexpr int kAddStavesId = 105;
constexpr int kRemoveStavesId = 106;
constexpr int kMoveUpId = 107;
constexpr int kMoveDownId = 108;
constexpr int kDeleteSetId = 109;
constexpr int kNameFieldId = 102;
constexpr int kRenameId = 103;
constexpr int kCreateSetId = 104;
// In the template's order, which is the order a user tabs through.
constexpr int kItemsInTabOrder[] = {kListId,         kSwitchToId, kCloseId,    kAddStavesId,
                                    kRemoveStavesId, kMoveUpId,   kMoveDownId, kDeleteSetId,
                                    kNameFieldId,    kRenameId,   kCreateSetId};

// The id of the panel's timer: each WM_TIMER with it is one tick.
constexpr UINT_PTR kTimerId = 2;

// In the host's preference folder: the file the panel writes (its place on the screen) and
// the one the user edits for it.
constexpr const char* kPreferencesFile = "qmpluginprefs.txt";
constexpr const char* kOptionsFile = "qmpluginoptions.txt";

// What the host sends its plug-in dialogs when its own windows change state (a modal dialog
// or message box comes or goes), so that a panel follows the main window's enabled state
// also while it is not active.
constexpr UINT kHostStateChanged = 0x036D;

} // namespace PanelFacts
