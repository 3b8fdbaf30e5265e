// The display's scale: how many pixels make a logical inch (96 at 100 %, 144 at 150 %), and
// what Wine's windows and controls measure at each scale the substitute reproduces. The scale
// is chosen before the first window is made and stays for the process; windows made before a
// change keep the sizes they were made with.
#pragma once

#include "platform/win32.h"

namespace substitute {

// Measured under Wine 8 in a 1024 x 768 x 24 virtual display, default theme, with the
// prefix's LogPixels at each value (GetSystemMetrics, MapDialogRect, GetDialogBaseUnits,
// the list view's header window and LVM_GETITEMRECT). Every size not here (borders, edges,
// dialog frames, the screen) is the same at every scale.
struct ScaleMeasurements {
    int dpi;
    int captionHeight;                 // SM_CYCAPTION
    int frame;                         // SM_CXFRAME and SM_CYFRAME
    int minTrackWidth, minTrackHeight; // SM_CXMINTRACK, SM_CYMINTRACK
    int maxTrackWidth, maxTrackHeight; // SM_CXMAXTRACK, SM_CYMAXTRACK
    int dialogUnitsX, dialogUnitsY;    // dialog base units of "MS Sans Serif" 8
    int systemUnitsX, systemUnitsY;    // dialog base units of the system font
    int listHeaderHeight, listRowHeight;
};

// The scale in effect: 96 until SetDisplayDpi chooses another.
const ScaleMeasurements& DisplayScale();

// Chooses the scale: 96, 120, 144 or 192. False, and nothing changes, for any other value.
bool SetDisplayDpi(int dpi);

} // namespace substitute
