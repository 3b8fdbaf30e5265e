// A text field.
#pragma once

#include "framework/ui/NKControl.h"

class NKCtrlEdit : public NKControl {
public:
    using NKControl::NKControl;
    const char* ClassName() const override { return "NKCtrlEdit"; }
};
