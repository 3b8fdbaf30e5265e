// The desktop on the substitute window system: its boxes go to the host's responder, and it
// records every beep of the process.
#include <algorithm>

#include "platform/substitute/Beeps.h"
#include "platform/substitute/DisplayScale.h"
#include "platform/substitute/MessageBoxes.h"
#include "simhost/desktop/HostDesktop.h"

struct HostDesktop::PlatformParts {
    // Beeps made before this desktop are not its own.
    size_t beepsBefore = substitute::BeepsMade().size();
};

void HostDesktop::PlatformPartsDeleter::operator()(PlatformParts* parts) const {
    delete parts;
}

void HostDesktop::StartAnsweringBoxes() {
    platform_.reset(new PlatformParts);
    substitute::SetMessageBoxResponder([this](const substitute::MessageBoxShown& shown) {
        BoxSeen seen{shown.owner, shown.caption, shown.text, shown.buttons, 0};
        const QueuedAnswer answer = TakeBox(seen);
        if (answer.keyName.empty())
            return answer.button;
        const size_t index = BoxesSeen().size() - 1;
        const int byKey = substitute::MessageBoxAnswerToKey(shown.style, answer.key.virtualKey);
        if (byKey)
            SettleKeyAnswer(index, byKey, true);
        else
            SettleKeyAnswer(index, FallbackAnswer(seen), false);
        return BoxesSeen()[index].answer;
    });
}

void HostDesktop::StopAnsweringBoxes() {
    // A newer desktop answers its own boxes.
    if (Current() == this)
        substitute::SetMessageBoxResponder(nullptr);
    platform_.reset();
}

bool HostDesktop::RecordBeepsOf(HMODULE) {
    return true;
}

std::vector<UINT> HostDesktop::Beeps() const {
    const std::vector<UINT>& made = substitute::BeepsMade();
    size_t first = std::min(platform_->beepsBefore, made.size());
    return std::vector<UINT>(made.begin() + static_cast<std::ptrdiff_t>(first), made.end());
}

bool HostDesktop::SaveScreenshot(HWND, const std::string&) const {
    return false;
}

bool HostDesktop::UseDisplayScale(int dotsPerInch, std::string& why) {
    if (substitute::SetDisplayDpi(dotsPerInch))
        return true;
    why = "the substitute knows no display at " + std::to_string(dotsPerInch) + " dpi";
    return false;
}
