#pragma once

#include "LUIHost.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A UI host for tests: it answers dialogs, message boxes and choosers from a script, records
// everything shown, and can press Cancel on a progress window after a number of events. It
// lives in ui/core, beside the model, because the tests of every later dialog, run and flow
// (ui/tty, ui/qt, app) drive the program through it.
//
// The script is one queue of steps, taken in order. A modal dialog takes the steps that act
// on controls (by id, on the dialog or its shown page) until it ends; a message box with more
// than one button or a tick box takes an Answer step (a one-button box is dismissed by
// itself); a chooser takes a Choose or CancelChooser step. A step that does not fit where it
// is taken, or a control that is missing, hidden or disabled, is recorded as a fault; when
// the script runs out while a dialog is open, the dialog is closed as cancelled (a fault too).
// Timers fire without waiting, oldest first, one before each step a modal loop takes.
class LScriptedHost : public LUIHost {
public:
    // A bubble tip as it was shown.
    struct BubbleTip {
        LWindow* owner;
        int id;
        std::string text;
        std::string title;
    };

    // Steps for the innermost open dialog.
    LScriptedHost& Type(int id, const std::string& text);
    LScriptedHost& Click(int id);
    LScriptedHost& SelectItem(int id, int index);  // a popup item or a tab
    LScriptedHost& SelectRows(int id, const std::vector<int>& rows);
    LScriptedHost& ResizeColumn(int id, int column, int width);
    LScriptedHost& PressReturn();
    LScriptedHost& PressEscape();
    LScriptedHost& CloseWindow();  // the window's close control
    // Runs check on the open dialog at this point of the script (assertions mid-dialog).
    LScriptedHost& Inspect(std::function<void(LWindow&)> check);
    // Steps for message boxes and choosers.
    LScriptedHost& Answer(int button, bool tick = false);
    LScriptedHost& Choose(const std::vector<std::string>& paths, int filterIndex = 1);
    LScriptedHost& CancelChooser();
    // Presses Escape (Cancel) on the newest progress window at the events-th event point: a
    // PumpEvents or WaitForEvent call, made after every status, progress and stop query.
    LScriptedHost& CancelProgressAfter(int events);

    // Conditions.
    void SetScreen(const LRect& area) { screen = area; }
    void SetSheetsSupported(bool supported) { sheets = supported; }
    void SetWindowCreationFails(bool fails) { creationFails = fails; }

    // What happened.
    const std::vector<std::string>& Faults() const { return faults; }
    // The faults so far, forgotten by the host (a test that expects them).
    std::vector<std::string> TakeFaults() { return std::exchange(faults, {}); }
    bool ScriptDone() const { return steps.empty(); }
    // Everything shown, in order, one line each: "window: TITLE", "box: CAPTION | MESSAGE",
    // "chooser: PROMPT", "tip: TEXT", "url: URL", "clipboard: TEXT".
    const std::vector<std::string>& Log() const { return log; }
    const std::vector<LMessageBoxRequest>& MessageBoxes() const { return boxes; }
    const std::vector<LChooserRequest>& Choosers() const { return choosers; }
    const std::vector<BubbleTip>& BubbleTips() const { return tips; }
    const std::vector<std::string>& URLs() const { return urls; }
    const std::string& Clipboard() const { return clipboard; }
    bool MenuBarEnabled() const { return menuBarEnabled; }
    int EventPoints() const { return eventPoints; }
    // The control that last got the focus, and its window.
    const LWindow* FocusWindow() const { return focusWindow; }
    int FocusId() const { return focusId; }

    LRect ScreenArea(const LWindow* parent) override;
    bool CanAttachSheet(const LWindow& parent) override;
    bool CreateWindow(LWindow& window, LWindow* parent, LWindowForm form) override;
    void WindowChanged(LWindow& window) override;
    void ControlChanged(LWindow& owner, const LControl& control) override;
    void ShowWindow(LWindow& window, bool show) override;
    void BringToFront(LWindow& window) override;
    void SetFocus(LWindow& owner, const LControl& control) override;
    void RunModalLoop(LWindow& window) override;
    void EndModalLoop(LWindow& window) override;
    void DestroyWindow(LWindow& window) override;
    void BeginModalState(LWindow& window) override;
    void EndModalState(LWindow& window) override;
    void ShowBubbleTip(LWindow& owner, const LControl& control, const std::string& text,
                       const std::string& title) override;
    void SetMenuBarEnabled(bool enabled) override;
    bool PumpEvents() override;
    LUIWaitResult WaitForEvent(unsigned int ms, int wakeFd) override;
    void SetTimer(LWindow& window, int id, unsigned int ms) override;
    void KillTimer(LWindow& window, int id) override;
    LMessageBoxAnswer ShowMessageBox(const LMessageBoxRequest& request) override;
    bool ShowChooser(const LChooserRequest& request, LChooserAnswer& answer) override;
    void SetClipboardText(const std::string& text) override;
    void OpenURL(const std::string& url) override;

private:
    enum class StepKind {
        Type,
        Click,
        SelectItem,
        SelectRows,
        ResizeColumn,
        PressReturn,
        PressEscape,
        CloseWindow,
        Inspect,
        Answer,
        Choose,
        CancelChooser,
    };

    struct Step {
        StepKind kind;
        int id = 0;
        std::string text{};
        int number = 0;  // popup index, column, button or filter index
        int width = 0;
        bool tick = false;
        std::vector<int> rows{};
        std::vector<std::string> paths{};
        std::function<void(LWindow&)> check{};
    };

    static bool ActsOnDialog(StepKind kind);
    static std::string Describe(const Step& step);
    LScriptedHost& Add(Step step);
    void Apply(LWindow& window, const Step& step);
    bool ApplyToControl(LWindow& window, const Step& step);
    // Fires the oldest timer; false when none is set.
    bool FireTimer();
    // Counts an event point and presses Cancel when it is due; true when it did.
    bool EventPoint();
    void Fault(const std::string& text);

    std::deque<Step> steps;
    std::vector<std::string> faults;
    std::vector<std::string> log;
    std::vector<LMessageBoxRequest> boxes;
    std::vector<LChooserRequest> choosers;
    std::vector<BubbleTip> tips;
    std::vector<std::string> urls;
    std::string clipboard;
    std::vector<LWindow*> progressWindows;
    std::vector<std::pair<LWindow*, int>> timers;
    LRect screen{0, 0, 1440, 900};
    bool sheets = true;
    bool creationFails = false;
    bool menuBarEnabled = true;
    int eventPoints = 0;
    int cancelAt = 0;
    const LWindow* focusWindow = nullptr;
    int focusId = 0;
};
