// The built-in sample score: an orchestral score of twenty staves whose names carry font tags
// and accidentals, two instrumental parts, the category "QM Plug-in Data", and two staff sets
// of which one is named. Written by the host from its own record layouts, in the format of
// the host's version.
#pragma once

#include "simhost/hostfunctions/SimHost.h"

// Item numbers of the staff sets in the sample (set n is stored under item n - 37).
constexpr int16_t kSampleNamedSet = 1;
constexpr int16_t kSampleUnnamedSet = 3;
constexpr uint16_t kSampleDataCategory = 5;

// Adds the sample score to the host as a new document and returns it.
SimDocument& AddSampleScore(SimHost& host);
