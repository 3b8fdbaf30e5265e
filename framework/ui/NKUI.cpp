#include "framework/ui/NKUI.h"

#include "framework/core/NKString.h"

namespace {
bool messageBoxIdle = true;

// Win32 takes UTF-16 as WCHAR, which is wchar_t on Windows; the units are the same.
LPCWSTR Wide(const NKString& text) {
    return reinterpret_cast<LPCWSTR>(text.WideText());
}
} // namespace

bool MessageBoxIdle() {
    return messageBoxIdle;
}

int NKUI::Show(const NKString& message, const NKString* caption, const char* defaultCaption,
               UINT style) {
    NKString shownCaption;
    shownCaption.Assign(caption);
    if (shownCaption.Length() == 0)
        shownCaption.AssignNarrow(defaultCaption);
    messageBoxIdle = false;
    // A host window that has gone away is not treated specially: the box keeps that owner.
    IsWindow(hostWindow);
    int result = MessageBoxW(hostWindow, Wide(message), Wide(shownCaption), style);
    messageBoxIdle = true;
    return result;
}

uint8_t NKUI::AskYesNo(const char* message, const char* caption) {
    if (!message)
        return AnswerNone;
    NKString messageText(message);
    NKString captionText(caption ? caption : "");
    return AskYesNoText(&messageText, &captionText);
}

uint8_t NKUI::AskYesNoText(const NKString* message, const NKString* caption) {
    if (!message)
        return AnswerNone;
    switch (Show(*message, caption, "Yes/No?", MB_YESNO)) {
    case IDYES:
        return AnswerYes;
    case IDNO:
        return AnswerNo;
    default:
        return AnswerNone;
    }
}

void NKUI::ShowInfo(const char* message, const char* caption) {
    if (!message)
        return;
    NKString messageText(message);
    NKString captionText(caption ? caption : "");
    ShowInfoText(&messageText, &captionText);
}

void NKUI::ShowInfoText(const NKString* message, const NKString* caption) {
    if (message)
        Show(*message, caption, "Information", MB_ICONINFORMATION);
}
