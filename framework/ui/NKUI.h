// The module's user-interface services: the host window that owns every message box, and
// the two boxes the module shows, a Yes/No question and an information notice.
#pragma once

#include <cstdint>

#include "framework/core/NKBase.h"
#include "platform/win32.h"

class NKString;

// Answers of the questions. Callers go on only with AnswerYes.
enum : uint8_t { AnswerYes = 2, AnswerNo = 3, AnswerNone = 4 };

// False while one of the module's message boxes is open; the window code then leaves the
// panel's size alone.
bool MessageBoxIdle();

class NKUI : public __NKBase {
public:
    explicit NKUI(HWND hostWindow) : hostWindow(hostWindow) {}
    const char* ClassName() const override { return "NKUI"; }

    uint8_t AskYesNo(const char* message, const char* caption);
    uint8_t AskYesNoText(const NKString* message, const NKString* caption);
    void ShowInfo(const char* message, const char* caption);
    void ShowInfoText(const NKString* message, const NKString* caption);

    HWND hostWindow;
    uint16_t reserved = 0;

private:
    int Show(const NKString& message, const NKString* caption, const char* defaultCaption,
             UINT style);
};
