// A button-like item with a check state, read and written through the host.
#pragma once

#include "framework/ui/NKControl.h"

class NKCtrlCheckbox : public NKControl {
public:
    using NKControl::NKControl;
    virtual void SetCheck(int16_t value);
    virtual int32_t GetCheck();
};
