// What a user of the host sees around the plug-in: the host's main window, which owns every
// plug-in dialog and every message box, a modal dialog of the host's own that can be put up
// over it, the host's message loop, and the message boxes and beeps the plug-in produces.
//
// The newest HostDesktop is the current one; NX_GetCurrentWindow answers its main window, and
// without one it answers no window. Everything here runs on the user-interface thread.
//
// Message boxes are answered by the host, never by a person: a box with more than one button
// takes the next answer queued with AnswerNextBoxes; a box with only an OK button takes none.
// A key queued with AnswerNextBoxByKey is taken by the next box of either kind.
// On Windows the real box is shown and clicked; natively the substitute's box is answered.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "simhost/desktop/UserInput.h"

// One message box as the user saw it, and how the host closed it.
struct BoxSeen {
    HWND owner;
    std::u16string caption;
    std::u16string text;
    // Button texts in the box's order, mnemonics included ("&Yes", "&No"; "OK").
    std::vector<std::u16string> buttons;
    // The button pressed: IDOK, IDYES or IDNO; or the box's answer to the key, such as
    // IDCANCEL.
    int answer;
    // The key the host pressed to answer the box ("Y", "Escape"); empty when it clicked.
    std::string key = {};
    // False when the key did not close the box: the host then clicked its answer, No (or
    // the only button).
    bool closedByKey = true;
};

class HostDesktop {
public:
    // Creates and shows the main window: a top-level window titled "Varlune" at (0, 0),
    // 800 x 600 pixels outside.
    HostDesktop();
    ~HostDesktop();
    HostDesktop(const HostDesktop&) = delete;
    HostDesktop& operator=(const HostDesktop&) = delete;

    static HostDesktop* Current();

    // Before the first window: the display runs at this many dots per inch. Natively the
    // substitute takes the scale (96, 120, 144 or 192); on Windows the scale is the system's,
    // and this checks that it is the one asked for. False, with why set, when it cannot be.
    static bool UseDisplayScale(int dotsPerInch, std::string& why);

    HWND MainWindow() const { return mainWindow_; }

    // A modal dialog of the host, owned by the main window, which it disables as a real modal
    // dialog does; the plug-in's panel learns of it the next time it asks. Putting up a second
    // one while one is up does nothing. Returns false when the dialog could not be made.
    bool PutUpModalDialog();
    // Destroys the modal dialog and enables the main window again; nothing without one.
    void TakeDownModalDialog();
    HWND ModalDialog() const { return modalDialog_; }

    // The host's message loop, run until the queue is empty: each message goes through
    // IsDialogMessageW of every open plug-in dialog, so that keyboard navigation and mnemonics
    // work as in the real host, and is otherwise translated and dispatched. WM_TIMER is never
    // taken from the queue: the panel's timer ticks only when a caller sends WM_TIMER.
    void PumpMessages();

    // From now on a person answers the boxes: each is still recorded in BoxesSeen, with
    // answer 0, but left open for the person (on Windows; natively the substitute's boxes have
    // no one else to answer them, and the host goes on answering).
    void LeaveBoxesToTheUser() { boxesLeftToUser_ = true; }

    // Queues answers (IDYES or IDNO) for the next boxes with more than one button, in order.
    // Such a box that finds the queue empty, or takes an answer other than these two, is
    // answered IDNO.
    void AnswerNextBoxes(const std::vector<int>& answers);
    // Queues a key for the next box, whatever its buttons: the box gets the key's press and
    // release, as from the keyboard, and answers as it does to that key. A key the box does
    // not close on is followed by a click on No (or on the only button).
    void AnswerNextBoxByKey(const std::string& name, const UserInput::KeyStroke& key);
    // Every box shown since this desktop was made, in order.
    const std::vector<BoxSeen>& BoxesSeen() const { return boxesSeen_; }

    // Lets Beeps see the beeps of code in this module. On Windows the module's import of
    // MessageBeep is redirected through a recorder that calls the real one, until the desktop
    // goes (a module unloaded before then is left alone); false when the module does not
    // import MessageBeep. Natively every beep of the process is seen anyway: true.
    bool RecordBeepsOf(HMODULE module);
    // The type of every beep asked for since this desktop was made, in order, whether or not
    // it sounded.
    std::vector<UINT> Beeps() const;

    // Writes what the screen shows of the window's outer rectangle as a 24-bit PNG file.
    // Only Windows has a screen; natively this returns false.
    bool SaveScreenshot(HWND window, const std::string& pngPath) const;
    // The next box clicked (not one answered by key) is saved as that PNG file once it has
    // painted, and only then answered; SaveScreenshot's rule holds. A second call before
    // that box comes replaces the file name.
    void PhotographNextBox(const std::string& pngPath) { nextBoxPicture_ = pngPath; }

private:
    // What differs between the platforms: how boxes are caught, how beeps are seen.
    struct PlatformParts;
    struct PlatformPartsDeleter {
        void operator()(PlatformParts* parts) const;
    };
    struct QueuedAnswer {
        int button = 0;      // a click on this button, or
        std::string keyName; // when not empty, this key
        UserInput::KeyStroke key;
    };
    void StartAnsweringBoxes();
    void StopAnsweringBoxes();
    // Records a box (everything but the answer, which it fills in for a click) and gives the
    // answer to carry out.
    QueuedAnswer TakeBox(BoxSeen box);
    // What a box answered by key did with it, once known: the box of that index.
    void SettleKeyAnswer(size_t box, int answer, bool closedByKey);
    // The button a box is answered with when a key does not close it.
    static int FallbackAnswer(const BoxSeen& box);

    HWND mainWindow_ = nullptr;
    HWND modalDialog_ = nullptr;
    bool boxesLeftToUser_ = false;
    std::deque<QueuedAnswer> answers_;
    std::vector<BoxSeen> boxesSeen_;
    std::string nextBoxPicture_;
    std::unique_ptr<PlatformParts, PlatformPartsDeleter> platform_;
};
