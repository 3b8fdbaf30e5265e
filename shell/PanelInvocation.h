// What the menu command and the unloading of the module do: the module's two long-lived
// objects, the user-interface services and the panel, made on first use and kept until the
// host unloads the module.
#pragma once

#include <cstdint>

#include "platform/win32.h"

class NKUI;
class NKStaffSetPanelWindow;

// Opens the panel as a modeless dialog of the host window, or shows and activates it when
// it is open. The host window given the first time stays the owner of every box and the
// parent of the panel for the module's whole run. Returns 0.
int32_t InvokePanel(HWND hostWindow);
// Saves the panel's position, then destroys the panel and the services object.
void TerminatePanel();

// The module's objects, or null before the first invocation and after termination.
NKUI* PanelUI();
NKStaffSetPanelWindow* Panel();
