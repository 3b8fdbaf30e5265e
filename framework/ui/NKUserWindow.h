// A window of the framework: a collection of its control objects, which it owns. Everything
// a dialog window needs lives on NKResourceWindow; this level adds nothing of its own.
#pragma once

#include "framework/core/NKCollection.h"

class NKUserWindow : public __NKCollection {};
