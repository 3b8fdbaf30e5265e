// The plug-in dialogs the host has open. The host creates each one from a template of the
// plug-in module with a dialog procedure of its own, which hands every message of the dialog
// to the plug-in's callback together with the plug-in's user data and returns the callback's
// result as its own. The routing does not depend on a SimHost: a dialog keeps reaching its
// callback until it is destroyed. User-interface thread only.
#pragma once

#include <vector>

#include "platform/win32.h"
#include "simhost/hostfunctions/HostFunctions.h"

namespace PluginDialogs {

// Creates the modeless dialog of the template with that owner; its messages, from the very
// first one (before WM_INITDIALOG), go to the callback with the user data. Returns the
// dialog, or null when it could not be created (no such template, no callback).
HWND Create(HINSTANCE module, int templateId, HWND owner, SimDialogCallback callback,
            void* userData);

// Destroys a dialog made by Create; false for any other window.
bool Destroy(HWND dialog);

// The dialogs made by Create that still exist, in creation order.
std::vector<HWND> Open();

// Offers a message from the host's queue to IsDialogMessageW of each open dialog, as a host's
// message loop does so that keyboard navigation and mnemonics work in modeless dialogs; true
// when a dialog took it (it is then handled and must not be dispatched).
bool TakeDialogMessage(MSG& message);

} // namespace PluginDialogs
