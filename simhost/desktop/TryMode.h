// The interactive host, for a person to try the plug-in: the host's main window with two
// sample scores, the plug-in loaded from pluginPath, and the real message loop (timers
// dispatched, so that the panel's timer ticks by itself; the plug-in's dialogs given their
// keyboard navigation; message boxes left for the person to answer). The journal of what
// changes goes to the standard output. When the person closes the window, the host writes
// what its records hold (DescribeOpenDocuments) to recordPath, unless it is empty, and
// unloads the plug-in.
//
// Only Windows has the window system this needs (under Wine here); natively it says so.
// Returns the program's exit code: 0 when the host ran and its record could be written.
#pragma once

#include <string>

int RunTryMode(const std::string& pluginPath, const std::string& recordPath);
