#include "LTerminalHost.h"

#include "LBase64.h"
#include "LCommand.h"
#include "LMessageBox.h"
#include "LTerminalChooser.h"
#include "LTerminalOutput.h"
#include "LTerminalPasswordForm.h"
#include "LTerminalQuestion.h"
#include "LTiming.h"
#include "LWindow.h"

#include <poll.h>
#include <algorithm>

namespace {

void CancelDialog(LWindow& window) {
    window.UserRequestClose();
    if (!window.IsEnded()) {
        window.Close(kLCommandCancel);
    }
}

// The product name adds nothing after the program's own "zel: ".
std::string BoxText(const LMessageBoxRequest& request) {
    if (request.caption.empty() || request.caption == kLMessageBoxCaption) {
        return request.message;
    }
    return request.message.empty() ? request.caption : request.caption + ": " + request.message;
}

}  // namespace

LRect LTerminalHost::ScreenArea(const LWindow* /*parent*/) {
    return {0, 0, 1024, 768};
}

bool LTerminalHost::CanAttachSheet(const LWindow& /*parent*/) {
    return false;
}

bool LTerminalHost::CreateWindow(LWindow& window, LWindow* /*parent*/, LWindowForm form) {
    if (form != LWindowForm::Modal) {
        progressWindows.push_back(&window);
    }
    return true;
}

void LTerminalHost::WindowChanged(LWindow& /*window*/) {}

void LTerminalHost::ControlChanged(LWindow& /*owner*/, const LControl& /*control*/) {}

void LTerminalHost::ShowWindow(LWindow& window, bool show) {
    if (show && !progressWindows.empty() && progressWindows.back() == &window) {
        RedrawProgress(true);
    }
}

void LTerminalHost::BringToFront(LWindow& /*window*/) {}

void LTerminalHost::SetFocus(LWindow& /*owner*/, const LControl& /*control*/) {}

void LTerminalHost::RunModalLoop(LWindow& window) {
    if (window.IsEnded()) {
        return;
    }
    const bool passwords = LTerminalIsPasswordForm(window);
    if (passwords && HasTerminal()) {
        progressLine.Clear();
        LTerminalRunPasswordForm(terminal, window);
        RedrawProgress(true);
        return;
    }
    if (passwords) {
        Say("\"" + window.GetTitle() +
            "\" needs a password, and there is no terminal to ask for it (give it with "
            "-password); cancelled.");
    } else {
        Say("\"" + window.GetTitle() + "\" cannot be shown in a terminal; cancelled.");
    }
    CancelDialog(window);
}

void LTerminalHost::EndModalLoop(LWindow& /*window*/) {}

void LTerminalHost::DestroyWindow(LWindow& window) {
    const auto found = std::find(progressWindows.begin(), progressWindows.end(), &window);
    if (found != progressWindows.end()) {
        progressWindows.erase(found);
        progressLine.Clear();
    }
    std::erase_if(timers, [&window](const Timer& timer) { return timer.window == &window; });
}

void LTerminalHost::BeginModalState(LWindow& /*window*/) {}

void LTerminalHost::EndModalState(LWindow& /*window*/) {}

void LTerminalHost::ShowBubbleTip(LWindow& /*owner*/, const LControl& /*control*/,
                                  const std::string& text, const std::string& title) {
    Say(title.empty() ? text : title + ": " + text);
}

void LTerminalHost::SetMenuBarEnabled(bool /*enabled*/) {}

bool LTerminalHost::PumpEvents() {
    const bool cancelled = TakeInterrupt();
    const bool fired = FireTimers();
    RedrawProgress(false);
    return cancelled || fired;
}

LUIWaitResult LTerminalHost::WaitForEvent(unsigned int ms, int wakeFd) {
    if (PumpEvents()) {
        return LUIWaitResult::Event;
    }
    // Ctrl-C wakes the wait only when a progress window is there to take it; otherwise it
    // would stay readable and turn the wait into a spin.
    const int interruptFd = progressWindows.empty() ? -1 : LTerminalInterrupt::WakeFd();
    pollfd watched[2] = {{wakeFd, POLLIN, 0}, {interruptFd, POLLIN, 0}};
    const int ready = poll(watched, 2, LPollTimeout(UntilNextTimer(ms)));
    if (ready > 0 && (watched[0].revents & POLLIN) != 0) {
        return LUIWaitResult::Ready;
    }
    if (PumpEvents()) {
        return LUIWaitResult::Event;
    }
    return LUIWaitResult::TimedOut;
}

void LTerminalHost::SetTimer(LWindow& window, int id, unsigned int ms) {
    KillTimer(window, id);
    timers.push_back({&window, id, GetTickCount() + ms});
}

void LTerminalHost::KillTimer(LWindow& window, int id) {
    std::erase_if(timers,
                  [&](const Timer& timer) { return timer.window == &window && timer.id == id; });
}

LMessageBoxAnswer LTerminalHost::ShowMessageBox(const LMessageBoxRequest& request) {
    // A one-button box only informs; its tick box, if any, is asked only where it can be, and
    // otherwise stays as it was.
    const bool question =
        request.buttons.size() > 1 || (!request.tickText.empty() && HasTerminal());
    if (!question) {
        Say(BoxText(request));
        return {0, request.tick};
    }
    if (!HasTerminal()) {
        Say("\"" + BoxText(request) +
            "\" needs an answer, and there is no terminal to ask on; cancelled.");
        return {-1, request.tick};
    }
    progressLine.Clear();
    const LMessageBoxAnswer answer = LTerminalAsk(terminal, request);
    RedrawProgress(true);
    return answer;
}

bool LTerminalHost::ShowChooser(const LChooserRequest& request, LChooserAnswer& answer) {
    if (!HasTerminal()) {
        Say("\"" + request.prompt +
            "\" needs a path, and there is no terminal to ask for it; cancelled.");
        return false;
    }
    progressLine.Clear();
    const bool chosen = LTerminalChoose(terminal, request, answer);
    RedrawProgress(true);
    return chosen;
}

void LTerminalHost::SetClipboardText(const std::string& text) {
    LStringLongTemplate<char> encoded;
    LBase64Encode(text.data(), text.size(), encoded, LBase64FlagNoLineBreaks);
    terminal.Write("\x1b]52;c;" + encoded + "\x07");
}

void LTerminalHost::Say(const std::string& text) {
    progressLine.Clear();
    LTerminalSayOnStderr(text);
    RedrawProgress(true);
}

bool LTerminalHost::TakeInterrupt() {
    if (progressWindows.empty() || !LTerminalInterrupt::Take()) {
        return false;
    }
    progressWindows.back()->UserPressEscape();
    return true;
}

bool LTerminalHost::FireTimers() {
    const unsigned int now = GetTickCount();
    std::vector<Timer> due;
    std::erase_if(timers, [&](const Timer& timer) {
        // Wrap-safe: due when the time to go has turned "negative".
        const bool ready = static_cast<int>(timer.due - now) <= 0;
        if (ready) {
            due.push_back(timer);
        }
        return ready;
    });
    for (const Timer& timer : due) {
        timer.window->EvTimer(timer.id);
    }
    return !due.empty();
}

unsigned int LTerminalHost::UntilNextTimer(unsigned int ms) const {
    const unsigned int now = GetTickCount();
    unsigned int wait = ms;
    for (const Timer& timer : timers) {
        const int left = static_cast<int>(timer.due - now);
        wait = std::min(wait, left > 0 ? static_cast<unsigned int>(left) : 0u);
    }
    return wait;
}

void LTerminalHost::RedrawProgress(bool force) {
    if (!progressWindows.empty()) {
        progressLine.Draw(*progressWindows.back(), force);
    }
}
