// Plausible sessions of a user with the host and the panel, written in the scenario language
// from a seed: selections, clicks, typed names, presses and both answers to every question,
// keys (the panel's own and a question's answers), ticks, activation, undo and redo, other documents, a host modal dialog, closing and
// reopening, the plug-in unloaded and loaded again, and the host's own commands changing the
// score behind the panel. The same seed gives the same walk on every platform: the numbers
// come from std::mt19937, whose sequence the standard fixes, and never through a standard
// distribution, whose results it leaves to each library.
#pragma once

#include <cstdint>
#include <string>

// A walk of this many actions after its opening lines (host, display, documents, the
// panel), on a display at that scale.
std::string WriteRandomWalk(uint32_t seed, int actions, int dotsPerInch);
