// The panel on arbitrary documents: what a user does (pick rows, type names, answer boxes,
// change the selection, undo) mixed with every button's command run directly, even when
// the button is disabled, timer ticks, a host modal dialog, closing and reopening, and the
// document damaged or switched to another part behind the panel's back. Besides the
// sanitizers, after every step: no edit is left open, and the panel never touches the
// staves or the score's own staff order, which no operation of it changes.
#include <string>
#include <vector>

#include "framework/ui/NKCtrlButton.h"
#include "simhost/desktop/UserInput.h"
#include "staffsetpanel/NKCtrlStaffSetDataList.h"
#include "tests/fuzz/FuzzedScore.h"

namespace {

using fuzzed::Check;

// What the panel must leave as it is: the staff records and the score's order of them.
struct Untouched {
    std::vector<std::pair<RecordAddress, Bytes>> records;

    explicit Untouched(SimDocument& document) {
        for (const RecordAddress& at : document.Records().AddressesOf(SimTag("SOIS")))
            records.emplace_back(at, *document.Records().Find(at));
        for (const auto& entry : document.PartRecords(0).ItemRecords(SimTag("SOIu"), 0))
            records.emplace_back(RecordAddress{SimTag("SOIu"), 0, entry.first}, entry.second);
    }
    bool operator==(const Untouched& other) const { return records == other.records; }
};

std::u16string Name(FuzzedDataProvider& input) {
    std::u16string name;
    const auto length = input.ConsumeIntegralInRange<size_t>(0, 300);
    const bool anyUnits = input.ConsumeBool();
    for (size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
        const auto unit = input.ConsumeIntegral<uint16_t>();
        name += static_cast<char16_t>(anyUnits ? (unit == 0 ? 1 : unit) : ' ' + unit % 95);
    }
    return name;
}

NKCtrlButton* Button(NKStaffSetPanelWindow& panel, int which) {
    NKCtrlButton* const buttons[] = {panel.renameButton, panel.createButton, panel.addButton,
                                     panel.removeButton, panel.upButton,     panel.downButton,
                                     panel.deleteButton};
    return buttons[which];
}

// What a user does with the panel open.
void UserStep(int step, FuzzedDataProvider& input, fuzzed::PanelSession& session,
              NKStaffSetPanelWindow* panel) {
    HWND dialog = panel->dialogHandle;
    switch (step) {
    case 0:
        UserInput::ClickRow(GetDlgItem(dialog, kStaffSetListId),
                            input.ConsumeIntegralInRange<int>(0, 9));
        break;
    case 1:
        UserInput::TypeText(GetDlgItem(dialog, kNameEditId), Name(input));
        break;
    case 2:
    case 3: {
        std::vector<int> answers;
        for (int i = input.ConsumeIntegralInRange<int>(0, 3); i > 0; --i)
            answers.push_back(input.ConsumeBool() ? IDYES : IDNO);
        session.Desktop().AnswerNextBoxes(answers);
        panel->HandleCommand(Button(*panel, input.ConsumeIntegralInRange<int>(0, 6)));
        break;
    }
    case 4:
        panel->Ok();
        break;
    case 5:
        for (int i = input.ConsumeIntegralInRange<int>(1, 6); i > 0; --i)
            SendMessageW(dialog, WM_TIMER, kPanelTimerId, 0);
        break;
    case 6:
        UserInput::CloseByCaption(dialog);
        break;
    }
}

// What the host and the document do meanwhile, damage to its records included.
void HostStep(int step, FuzzedDataProvider& input, fuzzed::PanelSession& session,
              NKStaffSetPanelWindow* panel) {
    SimDocument& document = session.Document();
    HWND dialog = panel->dialogHandle;
    switch (step) {
    case 0:
        if (input.ConsumeBool())
            document.ClearSelection();
        else
            document.SelectSlots(input.ConsumeIntegralInRange<int16_t>(-1, 42),
                                 input.ConsumeIntegralInRange<int16_t>(-1, 42));
        break;
    case 1:
        if (input.ConsumeBool())
            document.Undo();
        else
            document.Redo();
        break;
    case 2:
        if (session.Desktop().ModalDialog())
            session.Desktop().TakeDownModalDialog();
        else
            session.Desktop().PutUpModalDialog();
        SendMessageW(dialog, WM_TIMER, kPanelTimerId, 0);
        break;
    case 3:
        document.SetCurrentPart(input.ConsumeIntegralInRange<int16_t>(0, 3));
        break;
    case 4:
        fuzzed::Damage(
            input, document.Records(),
            {SimTag("SOTX"), SimTag("txbl"), SimTag("txxp"), SimTag("SOMC"), SimTag("SODT")});
        fuzzed::Damage(input, document.PartRecords(0), {SimTag("dtLP")});
        break;
    }
}

// Pressing a button counts twice: it is what a user does most.
constexpr int kUserSteps = 7, kHostSteps = 5;

void Step(FuzzedDataProvider& input, fuzzed::PanelSession& session) {
    NKStaffSetPanelWindow* panel = session.OpenPanel();
    if (!panel) {
        session.Reopen();
        return;
    }
    const int step = input.ConsumeIntegralInRange<int>(0, kUserSteps + kHostSteps - 1);
    if (step < kUserSteps)
        UserStep(step, input, session, panel);
    else
        HostStep(step - kUserSteps, input, session, panel);
    session.Desktop().PumpMessages();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    fuzzed::PanelSession session(input);
    const Untouched before(session.Document());
    for (int steps = 0; steps < 40 && input.remaining_bytes() > 0; ++steps) {
        Step(input, session);
        Check(!session.Document().EditOpen());
        Check(Untouched(session.Document()) == before);
    }
    return 0;
}
