// Beeps are recorded and can be made to fail.
#include <gtest/gtest.h>

#include <vector>

#include "platform/substitute/Beeps.h"
#include "platform/win32.h"

TEST(Beeps, EveryBeepIsRecordedAndCanBeMadeToFail) {
    substitute::ClearBeeps();
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    substitute::SetMessageBeepFails(true);
    EXPECT_FALSE(MessageBeep(0xFFFFFFFF));
    substitute::SetMessageBeepFails(false);
    EXPECT_EQ((std::vector<UINT>{MB_ICONEXCLAMATION, 0xFFFFFFFF}), substitute::BeepsMade());
    substitute::ClearBeeps();
    EXPECT_TRUE(substitute::BeepsMade().empty());
}
