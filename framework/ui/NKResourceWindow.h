// A host-managed modeless dialog built from a dialog template of this module, with the
// control objects that wrap its items. The host creates the dialog (NX_Dialog) and hands
// every message to DialogCallback, which calls the virtual operations below; a concrete
// window overrides the ones it needs. The object outlives its dialog: closing forgets the
// dialog handle, and the next opening uses the same object and controls again.
#pragma once

#include <cstdint>

#include "framework/ui/NKUserWindow.h"
#include "platform/win32.h"
#include "shell/HostBridge.h"

class NKControl;
class NKCtrlButton;
class NKCtrlEdit;

// The module's one dialog template.
constexpr int32_t kPanelTemplateId = 20128;
// The horizontal dialog base unit of the template's font at 100 % (96 dots per inch), for
// which the dialogs' pixel sizes are chosen.
constexpr int32_t kDesignBaseUnitX = 6;

class NKResourceWindow : public NKUserWindow {
public:
    NKResourceWindow() = default;
    // Ends a dialog that is still showing, then deletes the controls.
    ~NKResourceWindow() override;

    // Sets closed; ends the dialog if it is showing and forgets its handle.
    virtual void CloseWindow();
    // Clears closed; the dialog's current outer size becomes both its minimum and maximum
    // tracking size, so the user cannot resize it; notes the client size.
    virtual void InitWindow();
    virtual void Cancel();
    virtual void Ok();
    virtual void Dismiss();
    // True when the command was handled. The control is null for an item the window does not
    // hold.
    virtual bool HandleCommand(NKControl* control);
    virtual void HandleUpDown(NKControl* control, int32_t delta);
    virtual void HandleTimer(UINT_PTR timerId);
    virtual void HandleActivate(bool activated);
    virtual void HandleResize(int32_t newWidth, int32_t newHeight, int32_t oldWidth,
                              int32_t oldHeight);
    // Dispatches a WM_NOTIFY from one of the window's controls; always false.
    virtual bool HandleNotify(WPARAM controlId, const NMHDR* header);

    // Shows and activates an open dialog, or asks the host to open it as a modeless dialog
    // of the given parent window with DialogCallback.
    void Open(HWND parent);

    // The first control with that id, or null.
    NKControl* FindControl(int32_t id) const;
    // Create a control, append it to the window (which owns it) and return it.
    NKCtrlButton* AddButton(int16_t id);
    NKCtrlEdit* AddEdit(int16_t id);
    // Appends a control made by the caller; the window owns it from here on.
    void AddControl(NKControl* control);

    // Enables the dialog exactly when the host's top-level window is enabled, so the panel
    // is disabled while the host shows a modal dialog.
    void SyncEnabledWithHost();
    // Folds the dialog to its caption bar or unfolds it. Nothing happens without a dialog,
    // when the state is already as asked, or while a module message box is open.
    void SetShade(bool folded);
    // Notes the dialog's outer rectangle (measured unfolded) as the position to come back to;
    // nothing without a dialog.
    void RememberPlacement();
    // Moves the dialog to the remembered position; false when none is known. A position on
    // no monitor any more is not applied: the dialog stays where the host put it.
    bool ApplyPlacement();
    // A width chosen in pixels for the dialog at 100 %, in the dialog's pixels: scaled as the
    // dialog's own controls are, by its horizontal base unit, so that it keeps its share of
    // them at every display scale (a scale's font need not grow as the scale does: at 125 %
    // Wine's grows by a third). Unscaled without a dialog.
    int32_t ScaledWidth(int32_t widthAt100Percent) const;

    uint16_t dialogResult = 0;
    HWND dialogHandle = nullptr;
    int32_t maxTrackWidth = 0, minTrackWidth = 0, maxTrackHeight = 0, minTrackHeight = 0;
    int32_t clientWidth = 0, clientHeight = 0;
    bool positionKnown = false;
    int32_t rememberedX = 0, rememberedY = 0;
    bool sizeKnown = false;
    int32_t rememberedWidth = 0, rememberedHeight = 0;
    bool shaded = false;
    int32_t unshadedHeight = 0;
    bool initPending = false;
    bool placementApplied = false;
    bool keepEnabled = false;
    bool closed = false;
    int32_t resourceId = kPanelTemplateId;
    HostDialogCallback dialogCallback = nullptr;

private:
    void Fold();
    void Unfold();
    bool CanResize() const;
};
