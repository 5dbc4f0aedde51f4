#pragma once

#include "LChooserRequest.h"
#include "LControl.h"
#include "LMessageBoxRequest.h"

#include <string>

class LWindow;

// How a window is shown.
enum class LWindowForm {
    Modal,     // a movable modal dialog, run by RunModalLoop
    Sheet,     // attached to its parent and modal to it (progress windows)
    Modeless,  // free-standing and not modal (progress windows without a parent)
};

enum class LUIWaitResult {
    Event,     // an event was dispatched
    Ready,     // the wake-up descriptor became readable
    TimedOut,  // the time passed without either
    Quitting,  // the event loop is ending; nothing more will come
};

// The platform side of the user interface. The dialog model (LWindow and everything built on
// it) owns every piece of state; a host renders it and reports the user's input back through
// the window's User* operations, which run the dialog's hooks. Everything runs on the main
// thread. Three hosts implement it: the Qt host, the terminal host and LScriptedHost (tests).
//
// Rendering a window: its Frame() (screen position, content size), GetTitle(), Controls() in
// creation order, and for a wizard or property sheet its Pages(), each with its own
// Controls() at window coordinates; a page that is not IsVisible() is hidden with everything
// on it. Controls give the host plain values: kind, rectangle (height 0: the toolkit's own),
// text, font, colour, enabled and visible states, tooltips, items, rows and columns. Input
// goes to the window that owns the control (FindInputOwner), by id.
class LUIHost {
public:
    virtual ~LUIHost() = default;

    // The usable area of the main screen (parent null) or of the screen showing parent, in
    // screen points. Window placement and bubble tips are computed from it.
    virtual LRect ScreenArea(const LWindow* parent) = 0;

    // Whether a box or progress window can hang on parent as a sheet: the host supports sheets
    // and parent is not collapsed and can be made the front window. The model has already
    // checked that parent is shown.
    virtual bool CanAttachSheet(const LWindow& parent) = 0;

    // Makes the platform window for window (its controls, title and frame are set; it stays
    // hidden). False when it cannot be made: the model then gives up without a message.
    virtual bool CreateWindow(LWindow& window, LWindow* parent, LWindowForm form) = 0;

    // The window's structure changed: controls were added, its title, frame or page
    // visibility changed. Bring the whole window up to date.
    virtual void WindowChanged(LWindow& window) = 0;

    // One control of owner (the window itself or one of its pages) changed state.
    virtual void ControlChanged(LWindow& owner, const LControl& control) = 0;

    // Shows (and brings to the front) or hides the window.
    virtual void ShowWindow(LWindow& window, bool show) = 0;

    // Brings a shown window to the front again (the parent of a dialog that ended).
    virtual void BringToFront(LWindow& window) = 0;

    virtual void SetFocus(LWindow& owner, const LControl& control) = 0;

    // Runs the application-modal loop for window until window.IsEnded(), delivering the user's
    // input through the window's User* operations. Returns at once when it already ended.
    virtual void RunModalLoop(LWindow& window) = 0;

    // window ended (Close): make RunModalLoop return.
    virtual void EndModalLoop(LWindow& window) = 0;

    // Hides nothing by itself: removes the platform window made by CreateWindow.
    virtual void DestroyWindow(LWindow& window) = 0;

    // While a progress window runs, no other window of the program takes input.
    virtual void BeginModalState(LWindow& window) = 0;
    virtual void EndModalState(LWindow& window) = 0;

    // Focuses the control and shows a small floating tip beside it (LBubbleTipPlace gives the
    // place); title, when not empty, in bold above the text.
    virtual void ShowBubbleTip(LWindow& owner, const LControl& control, const std::string& text,
                               const std::string& title) = 0;

    // Menu items are disabled while any message box or chooser is up.
    virtual void SetMenuBarEnabled(bool enabled) = 0;

    // Dispatches pending events without waiting, a few at a time: up to min(N + 1, 4) of the
    // N queued, then up to M + 1 of the M queued after that (a host that cannot count its
    // queue dispatches what is pending now, briefly). True when anything was dispatched.
    // Processes on the main thread call it after every status and progress change and on
    // every stop query, so Cancel is an ordinary button handler.
    virtual bool PumpEvents() = 0;

    // Waits at most ms (0xFFFFFFFF: for ever) for the next event and dispatches it, or for
    // wakeFd (when not -1) to become readable; the descriptor is not read.
    virtual LUIWaitResult WaitForEvent(unsigned int ms, int wakeFd) = 0;

    // A one-shot timer: about ms milliseconds later the event loop calls window.EvTimer(id).
    // Setting a pending id of the same window again reschedules it. A window's timers go when
    // its platform window is destroyed.
    virtual void SetTimer(LWindow& window, int id, unsigned int ms) = 0;
    virtual void KillTimer(LWindow& window, int id) = 0;

    // Shows the box modally and returns the user's answer.
    virtual LMessageBoxAnswer ShowMessageBox(const LMessageBoxRequest& request) = 0;

    // Shows the chooser; true with answer filled when the user confirmed. A chooser that fails
    // counts as cancelled.
    virtual bool ShowChooser(const LChooserRequest& request, LChooserAnswer& answer) = 0;

    // Puts plain text on the system clipboard.
    virtual void SetClipboardText(const std::string& text) = 0;

    // Opens a URL in the user's default application; by default through LOpenURL.
    virtual void OpenURL(const std::string& url);
};

// The host every window, box and chooser of the program goes through. Until one is installed,
// a host that can show nothing serves: windows cannot be made, every question counts as
// cancelled, and URLs still open.
LUIHost& LUIHostCurrent();

// Installs a host for its lifetime and restores the previous one afterwards.
class LUIHostScope {
public:
    explicit LUIHostScope(LUIHost& host);
    ~LUIHostScope();
    LUIHostScope(const LUIHostScope&) = delete;
    LUIHostScope& operator=(const LUIHostScope&) = delete;

private:
    LUIHost* previous;
};
