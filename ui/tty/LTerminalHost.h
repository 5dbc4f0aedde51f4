#pragma once

#include "LTerminalDevice.h"
#include "LTerminalInterrupt.h"
#include "LTerminalProgressLine.h"
#include "LUIHost.h"

#include <vector>

// The host for command lines typed in a terminal and for machines without a display. Questions
// are asked on the controlling terminal (/dev/tty), so they work with redirected input and
// output: passwords without echo, choosers as a path prompt, message boxes with several
// buttons as a numbered question. One-button boxes and errors go to stderr. A progress window
// is one line redrawn on stderr when stderr is a terminal, and Ctrl-C presses its Cancel.
// Without a terminal every question counts as cancelled, and stderr says what was needed.
class LTerminalHost : public LUIHost {
public:
    LTerminalHost() = default;

    bool HasTerminal() const { return terminal.IsOpen(); }

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
    // Through the terminal's own clipboard sequence (OSC 52), which most terminals honour.
    void SetClipboardText(const std::string& text) override;

private:
    struct Timer {
        LWindow* window;
        int id;
        unsigned int due;
    };

    // Writes on stderr with the progress line out of the way.
    void Say(const std::string& text);
    // Ctrl-C presses Cancel of the newest progress window; true when it did.
    bool TakeInterrupt();
    // Fires the timers that are due; true when any fired.
    bool FireTimers();
    // Milliseconds until the next timer, capped at ms.
    unsigned int UntilNextTimer(unsigned int ms) const;
    void RedrawProgress(bool force);

    LTerminalInterrupt interrupt;
    LTerminalDevice terminal;
    LTerminalProgressLine progressLine;
    std::vector<LWindow*> progressWindows;
    std::vector<Timer> timers;
};
