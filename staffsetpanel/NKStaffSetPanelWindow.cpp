#include "staffsetpanel/NKStaffSetPanelWindow.h"

#include "framework/core/NKUndoBlock.h"
#include "framework/data/NKMusicRegion.h"
#include "framework/ui/NKCtrlButton.h"
#include "framework/ui/NKCtrlEdit.h"
#include "framework/ui/NKUI.h"
#include "shell/HostBridge.h"
#include "staffsetpanel/NKCtrlStaffSetDataList.h"
#include "staffsetpanel/PanelPlacement.h"
#include "staffsetpanel/StaffSetQueries.h"
#include "staffsetpanel/StaffSetSlots.h"

namespace {

int32_t timerTicks = 0;

// Host commands: 10611 shows all staves, 10611 + s staff set s; 10602 and 35622 go first
// when switching.
constexpr int32_t kShowAllStaves = 10611;
constexpr int32_t kBeforeSwitch1 = 10602;
constexpr int32_t kBeforeSwitch2 = 35622;

constexpr UINT kSimpleBeep = 0xFFFFFFFF;

bool SetPresent(int32_t s) {
    return IsStaffSetSlot(s) && SetExists(s);
}

void Beep() {
    if (!MessageBeep(MB_ICONEXCLAMATION))
        MessageBeep(kSimpleBeep);
}

} // namespace

int32_t PanelTimerTicks() {
    return timerTicks;
}

NKStaffSetPanelWindow::NKStaffSetPanelWindow(NKUI* ui) : ui(ui) {
    LoadPosition(this);
}

void NKStaffSetPanelWindow::SetUpControls() {
    switchButton = AddButton(kSwitchButtonId);
    switchButton->commandRole = kRoleConfirm;
    closeButton = AddButton(kCloseButtonId);
    closeButton->commandRole = kRoleDismiss;
    setList = new NKCtrlStaffSetDataList(this);
    AddControl(setList);
    nameEdit = AddEdit(kNameEditId);
    renameButton = AddButton(kRenameButtonId);
    createButton = AddButton(kCreateButtonId);
    addButton = AddButton(kAddButtonId);
    removeButton = AddButton(kRemoveButtonId);
    upButton = AddButton(kUpButtonId);
    downButton = AddButton(kDownButtonId);
    deleteButton = AddButton(kDeleteButtonId);
}

void NKStaffSetPanelWindow::OpenPanel(HWND parent) {
    Open(parent);
    // Any later activation may come after the document has changed.
    openingLists_.reset();
}

void NKStaffSetPanelWindow::CloseWindow() {
    RememberPlacement();
    NKResourceWindow::CloseWindow();
}

void NKStaffSetPanelWindow::InitWindow() {
    shadeEnabled = LoadShadeOption();
    if (setList)
        setList->SetExtendedStyle(setList->ExtendedStyle() | LVS_EX_FULLROWSELECT);
    NKResourceWindow::InitWindow();
    shownNameRow_ = -1;
    if (setList) {
        setList->AddColumns();
        openingLists_ = ReadListEndsOfRows();
        FillList(*openingLists_);
    }
    UpdateControls(SelectionValue());
    ApplyPlacement();
    if (dialogHandle)
        SetTimer(dialogHandle, kPanelTimerId, kPanelTimerPeriod, nullptr);
}

int32_t NKStaffSetPanelWindow::SelectionValue() {
    return setList ? setList->SelectionMark() : -1;
}

void NKStaffSetPanelWindow::UpdateControls(int32_t s) {
    const bool setRow = IsStaffSetSlot(s);
    const bool exists = SetPresent(s);
    const bool valid = s == kAllStavesRow || exists;
    const bool hasRegion = !NKMusicRegion::CurrentSelection().IsEmpty();
    if (switchButton)
        switchButton->SetEnabled(valid);
    if (nameEdit)
        nameEdit->SetEnabled(setRow);
    if (createButton)
        createButton->SetEnabled(setRow && hasRegion);
    if (renameButton)
        renameButton->SetEnabled(exists);
    if (addButton)
        addButton->SetEnabled(exists && hasRegion);
    if (removeButton)
        removeButton->SetEnabled(exists && hasRegion);
    if (upButton)
        upButton->SetEnabled(exists && CanMoveUp(s));
    if (downButton)
        downButton->SetEnabled(exists && CanMoveDown(s));
    if (deleteButton)
        deleteButton->SetEnabled(exists);
    if (setRow)
        ShowSetName(s, exists);
}

void NKStaffSetPanelWindow::ShowSetName(int32_t set, bool exists) {
    if (!nameEdit)
        return;
    if (set == shownNameRow_) {
        NKString current;
        nameEdit->GetText(&current);
        if (!current.Equals(&shownName_))
            return; // the user's typing stays until another row is chosen
    }
    NKString name;
    SetNameText(&name, set, exists, NameShownIn::kNameField);
    nameEdit->SetText(&name);
    shownName_.Assign(&name);
    shownNameRow_ = set;
}

void NKStaffSetPanelWindow::SwitchToSelection() {
    const int32_t s = SelectionValue();
    if (s != kAllStavesRow && !SetPresent(s))
        return;
    NX_ExecuteMenuItem(kBeforeSwitch1);
    NX_ExecuteMenuItem(kBeforeSwitch2);
    NX_ExecuteMenuItem(kShowAllStaves + s);
}

void NKStaffSetPanelWindow::Ok() {
    SwitchToSelection();
}

bool NKStaffSetPanelWindow::HandleCommand(NKControl* control) {
    if (!control)
        return false;
    switch (control->controlId) {
    case kRenameButtonId:
        RenameSet();
        return true;
    case kCreateButtonId:
        CreateSet();
        return true;
    case kAddButtonId:
        AddStavesToSet();
        return true;
    case kRemoveButtonId:
        RemoveStavesFromSet();
        return true;
    case kUpButtonId:
        MoveSetUp();
        return true;
    case kDownButtonId:
        MoveSetDown();
        return true;
    case kDeleteButtonId:
        DeleteSelectedSet();
        return true;
    default:
        return false;
    }
}

bool NKStaffSetPanelWindow::RunOperation(StaffSetOperation kind, int32_t set, const NKString* name,
                                         NKMusicRegion* region) {
    NKStaffSetPanelHandler handler(name, set, ui, region);
    handler.kind = kind;
    NKUndoBlock block;
    const NKString undoText("Staff Set Panel");
    return block.Run(&handler, &undoText);
}

void NKStaffSetPanelWindow::TypedName(NKString* name) {
    if (nameEdit)
        nameEdit->GetText(name);
    name->TrimBlanks();
}

void NKStaffSetPanelWindow::RenameSet() {
    const int32_t s = SelectionValue();
    if (!SetPresent(s))
        return;
    NKString name;
    TypedName(&name);
    if (RunOperation(kRenameSet, s, &name, nullptr))
        RefreshRow(s);
}

void NKStaffSetPanelWindow::CreateSet() {
    NKMusicRegion region = NKMusicRegion::CurrentSelection();
    if (region.IsEmpty()) {
        ui->ShowInfo("Please select a region that should be created as a staff set.",
                     "No Region Selected");
        return;
    }
    const int32_t s = SelectionValue();
    if (!IsStaffSetSlot(s)) {
        ui->ShowInfo("Please select a staff set (1-8) in the list, where the created staff set "
                     "should be placed.",
                     "No Staff Set Selection");
        return;
    }
    // Read before any question: the box takes the activation away from the panel, and what
    // the user typed must be what the new set is called.
    NKString name;
    TypedName(&name);
    if (SetExists(s) && !Confirm("A staff set already exist at the selected position. Do you "
                                 "want to replace the current staff set?",
                                 "Replace Current Staff Set?"))
        return;
    if (RunOperation(kCreateSet, s, &name, &region))
        RefreshRow(s);
}

bool NKStaffSetPanelWindow::ChangeStavesOfSet(StaffSetOperation kind) {
    NKMusicRegion region = NKMusicRegion::CurrentSelection();
    const int32_t s = SelectionValue();
    if (region.IsEmpty() || !SetPresent(s))
        return false;
    NKString name;
    TypedName(&name);
    if (!RunOperation(kind, s, &name, &region)) {
        Beep();
        return false;
    }
    RefreshRow(s);
    return true;
}

void NKStaffSetPanelWindow::AddStavesToSet() {
    ChangeStavesOfSet(kAddStaves);
}

void NKStaffSetPanelWindow::RemoveStavesFromSet() {
    if (!ChangeStavesOfSet(kRemoveStaves))
        return;
    // The host's second region record covers the changed staves over whole measures.
    unsigned char redraw[kMusicRegionRecordSize] = {};
    NKMusicRegion::CurrentSelection(redraw);
    NX_RedrawMusic(redraw);
}

void NKStaffSetPanelWindow::MoveSetUp() {
    const int32_t s = SelectionValue();
    if (!CanMoveUp(s) || !SetExists(s))
        return;
    MoveSet(s, kMoveSetUp);
}

void NKStaffSetPanelWindow::MoveSetDown() {
    const int32_t s = SelectionValue();
    if (!CanMoveDown(s) || !SetExists(s))
        return;
    MoveSet(s, kMoveSetDown);
}

void NKStaffSetPanelWindow::MoveSet(int32_t set, StaffSetOperation kind) {
    const NKString empty("");
    if (!RunOperation(kind, set, &empty, nullptr))
        return;
    RefreshAll(CurrentLists());
    const int32_t movedTo = kind == kMoveSetUp ? SetAbove(set) : SetBelow(set);
    if (setList)
        setList->SelectRow(ListRowOfSet(movedTo));
    NX_ExecuteMenuItem(kShowAllStaves);
}

bool NKStaffSetPanelWindow::Confirm(const char* question, const char* caption) {
    // The answer is about the document the user was looking at; the host may have made
    // another one current while the box was open.
    const int32_t asked = NX_GetCurrentTavrinDocument();
    return ui->AskYesNo(question, caption) == AnswerYes && NX_GetCurrentTavrinDocument() == asked;
}

void NKStaffSetPanelWindow::DeleteSelectedSet() {
    const int32_t s = SelectionValue();
    if (!SetPresent(s))
        return;
    // The host may have undone the set while the question was open: deleting nothing would
    // still record a step, and take the user's redo with it.
    if (!Confirm("Do you really want to delete the selected staff set?", "Delete Staff Set?") ||
        !SetPresent(s))
        return;
    const NKString empty("");
    if (!RunOperation(kDeleteSet, s, &empty, nullptr))
        return;
    RefreshAll(CurrentLists());
    NX_ExecuteMenuItem(kShowAllStaves);
}

void NKStaffSetPanelWindow::HandleTimer(UINT_PTR) {
    ++timerTicks;
    if (timerTicks >= kTicksPerDocumentCheck) {
        timerTicks = 0;
        if (NX_GetCurrentTavrinDocument() != document.documentId) {
            RefreshAll(CurrentLists());
            return;
        }
    }
    RefreshIfStale();
}

void NKStaffSetPanelWindow::HandleActivate(bool activated) {
    RefreshIfStale();
    if (shadeEnabled)
        SetShade(!activated);
    else if (shaded)
        SetShade(false);
    UpdateControls(SelectionValue());
}

void NKStaffSetPanelWindow::FillList(const ListEndsOfRows& lists) {
    if (setList)
        setList->Fill(lists);
}

void NKStaffSetPanelWindow::RefreshAll(const ListEndsOfRows& lists) {
    if (setList)
        setList->RefreshRows(lists);
    document.documentId = static_cast<int16_t>(NX_GetCurrentTavrinDocument());
    if (setList)
        setList->RedrawRows();
    UpdateControls(SelectionValue());
}

void NKStaffSetPanelWindow::RefreshRow(int32_t set) {
    if (!setList)
        return;
    setList->RefreshRowTexts(set);
    setList->RedrawRows();
}

ListEndsOfRows NKStaffSetPanelWindow::CurrentLists() {
    if (!openingLists_)
        return ReadListEndsOfRows();
    const ListEndsOfRows lists = *openingLists_;
    openingLists_.reset();
    return lists;
}

bool NKStaffSetPanelWindow::IsListCurrent(const ListEndsOfRows& lists) {
    return !setList || setList->CountsMatch(lists);
}

bool NKStaffSetPanelWindow::IsListCurrent() {
    return !setList || IsListCurrent(CurrentLists());
}

void NKStaffSetPanelWindow::RefreshIfStale() {
    if (!setList)
        return;
    // The lists the comparison reads serve the refresh, so they are read once.
    const ListEndsOfRows lists = CurrentLists();
    if (!IsListCurrent(lists))
        RefreshAll(lists);
}
