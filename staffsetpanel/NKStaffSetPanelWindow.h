// The modeless panel that the command "QM Staff Set Panel..." opens beside the score: the
// staff set list and the buttons that switch the view to a set and change the sets. Every
// change runs as one NKStaffSetPanelHandler inside one undoable host edit. A 200 ms timer
// keeps the list current; the panel follows the host's enabled state and can fold to its
// caption bar while it is not active.
#pragma once

#include <cstdint>
#include <optional>

#include "framework/core/NKString.h"
#include "framework/data/NKDocument.h"
#include "framework/ui/NKResourceWindow.h"
#include "staffsetpanel/NKStaffSetPanelHandler.h"
#include "staffsetpanel/StaffSetOverview.h"

class NKCtrlButton;
class NKCtrlEdit;
class NKCtrlStaffSetDataList;
class NKMusicRegion;
class NKUI;

// Dialog item ids of template 20128.
enum PanelItem : int16_t {
    kSwitchButtonId = 1,
    kCloseButtonId = 2,
    kNameEditId = 102,
    kRenameButtonId = 103,
    kCreateButtonId = 104,
    kAddButtonId = 105,
    kRemoveButtonId = 106,
    kUpButtonId = 107,
    kDownButtonId = 108,
    kDeleteButtonId = 109,
};

constexpr UINT_PTR kPanelTimerId = 2;
constexpr UINT kPanelTimerPeriod = 200; // ms
// Once in this many ticks the panel asks the host which document is current.
constexpr int32_t kTicksPerDocumentCheck = 5;

class NKStaffSetPanelWindow : public NKResourceWindow {
public:
    // Notes the current document and reads the remembered position.
    explicit NKStaffSetPanelWindow(NKUI* ui);

    // Creates the control objects, once, right after construction.
    void SetUpControls();
    // Opens the dialog over the host's window, or shows the open one again.
    void OpenPanel(HWND parent);

    void CloseWindow() override;
    void InitWindow() override;
    // The confirming button: "&Switch To".
    void Ok() override;
    bool HandleCommand(NKControl* control) override;
    void HandleTimer(UINT_PTR timerId) override;
    void HandleActivate(bool activated) override;

    // Enables the controls for the selection value s (-1 none, 0 all staves, 1 to 8 a set)
    // and shows the selected set's name in the name field.
    void UpdateControls(int32_t s);
    // Shows the selected set, or all staves for row 0.
    void SwitchToSelection();

    // Builds the list's rows from the lists given.
    void FillList(const ListEndsOfRows& lists);
    // Updates every row from the lists given, and notes the document they were read from.
    void RefreshAll(const ListEndsOfRows& lists);
    void RefreshRow(int32_t set);
    // True when every row's count is that of its list in lists; without lists, in the lists
    // as they are now.
    bool IsListCurrent(const ListEndsOfRows& lists);
    bool IsListCurrent();
    // RefreshAll when IsListCurrent finds the list out of date.
    void RefreshIfStale();
    // The list's selection mark, read afresh.
    int32_t SelectionValue();

    bool shadeEnabled = false;
    NKDocument document;
    NKCtrlButton* switchButton = nullptr;
    NKCtrlButton* closeButton = nullptr;
    NKCtrlEdit* nameEdit = nullptr;
    NKCtrlButton* renameButton = nullptr;
    NKCtrlStaffSetDataList* setList = nullptr;
    NKCtrlButton* createButton = nullptr;
    NKCtrlButton* addButton = nullptr;
    NKCtrlButton* removeButton = nullptr;
    NKCtrlButton* upButton = nullptr;
    NKCtrlButton* downButton = nullptr;
    NKCtrlButton* deleteButton = nullptr;
    NKUI* ui;

private:
    void RenameSet();
    void CreateSet();
    void AddStavesToSet();
    void RemoveStavesFromSet();
    // Adds or removes the selected staves; beeps when the set could not be changed. True when
    // it was.
    bool ChangeStavesOfSet(StaffSetOperation kind);
    void MoveSetUp();
    void MoveSetDown();
    // kind is kMoveSetUp or kMoveSetDown.
    void MoveSet(int32_t set, StaffSetOperation kind);
    void DeleteSelectedSet();
    // Asks the question; true when the user answers Yes and the host's current document is
    // still the one it was when the question was asked.
    bool Confirm(const char* question, const char* caption);
    // Runs one operation inside one host edit; true when the document was changed.
    bool RunOperation(StaffSetOperation kind, int32_t set, const NKString* name,
                      NKMusicRegion* region);
    // The name field's text without blanks at either end.
    void TypedName(NKString* name);
    // Puts the set's stored name into the name field, unless the user has typed there since
    // the field was last set for this same row. The caller says whether the set exists, as it
    // has just read it.
    void ShowSetName(int32_t set, bool exists);
    // The lists as they are now. The opening reads them to fill the list; everything after it
    // gets them here, which hands out the opening's reading while the host's call that opens
    // the panel lasts, and otherwise reads them afresh.
    ListEndsOfRows CurrentLists();

    // What the panel last put into the name field, and for which row (-1: nothing yet in
    // this dialog), to tell the user's typing from the panel's own text.
    NKString shownName_;
    int32_t shownNameRow_ = -1;
    // The lists the fill read while the panel opens. Showing the new dialog activates it
    // within the same call from the host, and nothing in between can change the document:
    // that activation takes this reading instead of reading again. OpenPanel drops it.
    std::optional<ListEndsOfRows> openingLists_;
};

// The panel's tick counter, shared by the module like the panel itself.
int32_t PanelTimerTicks();
