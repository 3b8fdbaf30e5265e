// Where the panel stands, from one run of the host to the next, and whether it folds to its
// caption bar while inactive. The position lives in "qmpluginprefs.txt" (read when the panel
// object is made, written when the module is unloaded); the folding option in
// "qmpluginoptions.txt", which the user edits and the module only reads.
#pragma once

class NKResourceWindow;

// Takes the remembered position from the preferences file when both keys are there. The
// pair "-1", "-1" is what an earlier run wrote when it knew no position: it means none.
void LoadPosition(NKResourceWindow* window);
// True when the options file asks for folding with exactly "1".
bool LoadShadeOption();
// Writes the window's position, or "-1" for both keys when it knows none: X first, then Y.
void SavePosition(const NKResourceWindow* window);
