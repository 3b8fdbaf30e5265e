// Filling a string with a run of units in one allocation.
#pragma once

#include <cstddef>

#include "framework/core/NKString.h"

// Makes target hold exactly these count units, zero units included. NKString grows by ten
// units at a time, so appending a long text unit by unit would copy it over and over; this
// sizes the buffer once and then appends. False, with target shorter, when memory ran out.
// The units must not lie in target itself.
bool AssignUnits(NKString& target, const char16_t* units, size_t count);
// The same with bytes, each becoming the unit of its value (0 to 255).
bool AssignUnits(NKString& target, const unsigned char* bytes, size_t count);
