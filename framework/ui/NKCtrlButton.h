// A push button. It adds nothing to the check-box item; its class name is still the root
// control's.
#pragma once

#include "framework/ui/NKCtrlCheckbox.h"

class NKCtrlButton : public NKCtrlCheckbox {
public:
    using NKCtrlCheckbox::NKCtrlCheckbox;
};
