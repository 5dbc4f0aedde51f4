#include "LScriptedHost.h"

#include "LCommand.h"
#include "LTiming.h"
#include "LWindow.h"

#include <poll.h>
#include <algorithm>
#include <utility>

LScriptedHost& LScriptedHost::Type(int id, const std::string& text) {
    return Add({.kind = StepKind::Type, .id = id, .text = text});
}

LScriptedHost& LScriptedHost::Click(int id) {
    return Add({.kind = StepKind::Click, .id = id});
}

LScriptedHost& LScriptedHost::SelectItem(int id, int index) {
    return Add({.kind = StepKind::SelectItem, .id = id, .number = index});
}

LScriptedHost& LScriptedHost::SelectRows(int id, const std::vector<int>& rows) {
    return Add({.kind = StepKind::SelectRows, .id = id, .rows = rows});
}

LScriptedHost& LScriptedHost::ResizeColumn(int id, int column, int width) {
    return Add({.kind = StepKind::ResizeColumn, .id = id, .number = column, .width = width});
}

LScriptedHost& LScriptedHost::PressReturn() {
    return Add({.kind = StepKind::PressReturn});
}

LScriptedHost& LScriptedHost::PressEscape() {
    return Add({.kind = StepKind::PressEscape});
}

LScriptedHost& LScriptedHost::CloseWindow() {
    return Add({.kind = StepKind::CloseWindow});
}

LScriptedHost& LScriptedHost::Inspect(std::function<void(LWindow&)> check) {
    return Add({.kind = StepKind::Inspect, .check = std::move(check)});
}

LScriptedHost& LScriptedHost::Answer(int button, bool tick) {
    return Add({.kind = StepKind::Answer, .number = button, .tick = tick});
}

LScriptedHost& LScriptedHost::Choose(const std::vector<std::string>& paths, int filterIndex) {
    return Add({.kind = StepKind::Choose, .number = filterIndex, .paths = paths});
}

LScriptedHost& LScriptedHost::CancelChooser() {
    return Add({.kind = StepKind::CancelChooser});
}

LScriptedHost& LScriptedHost::CancelProgressAfter(int events) {
    cancelAt = eventPoints + events;
    return *this;
}

LRect LScriptedHost::ScreenArea(const LWindow* /*parent*/) {
    return screen;
}

bool LScriptedHost::CanAttachSheet(const LWindow& /*parent*/) {
    return sheets;
}

bool LScriptedHost::CreateWindow(LWindow& window, LWindow* /*parent*/, LWindowForm form) {
    if (creationFails) {
        return false;
    }
    log.push_back("window: " + window.GetTitle());
    if (form != LWindowForm::Modal) {
        progressWindows.push_back(&window);
    }
    return true;
}

void LScriptedHost::WindowChanged(LWindow& /*window*/) {}

void LScriptedHost::ControlChanged(LWindow& /*owner*/, const LControl& /*control*/) {}

void LScriptedHost::ShowWindow(LWindow& /*window*/, bool /*show*/) {}

void LScriptedHost::BringToFront(LWindow& /*window*/) {}

void LScriptedHost::SetFocus(LWindow& owner, const LControl& control) {
    focusWindow = &owner;
    focusId = control.id;
}

void LScriptedHost::RunModalLoop(LWindow& window) {
    while (!window.IsEnded()) {
        if (FireTimer() && (window.IsEnded() || steps.empty())) {
            continue;
        }
        if (steps.empty()) {
            Fault("the script ended while \"" + window.GetTitle() + "\" was open");
            window.UserRequestClose();
            window.Close(kLCommandCancel);
            return;
        }
        const Step step = std::move(steps.front());
        steps.pop_front();
        if (!ActsOnDialog(step.kind)) {
            Fault(Describe(step) + " came while \"" + window.GetTitle() + "\" was open");
            continue;
        }
        Apply(window, step);
    }
}

void LScriptedHost::EndModalLoop(LWindow& /*window*/) {}

void LScriptedHost::DestroyWindow(LWindow& window) {
    progressWindows.erase(std::remove(progressWindows.begin(), progressWindows.end(), &window),
                          progressWindows.end());
    std::erase_if(timers, [&window](const auto& timer) { return timer.first == &window; });
}

void LScriptedHost::BeginModalState(LWindow& /*window*/) {}

void LScriptedHost::EndModalState(LWindow& /*window*/) {}

void LScriptedHost::ShowBubbleTip(LWindow& owner, const LControl& control, const std::string& text,
                                  const std::string& title) {
    tips.push_back({&owner, control.id, text, title});
    log.push_back("tip: " + text);
    SetFocus(owner, control);
}

void LScriptedHost::SetMenuBarEnabled(bool enabled) {
    menuBarEnabled = enabled;
}

bool LScriptedHost::PumpEvents() {
    return EventPoint();
}

LUIWaitResult LScriptedHost::WaitForEvent(unsigned int ms, int wakeFd) {
    if (EventPoint()) {
        return LUIWaitResult::Event;
    }
    if (wakeFd >= 0) {
        pollfd member{wakeFd, POLLIN, 0};
        return poll(&member, 1, LPollTimeout(ms)) > 0 ? LUIWaitResult::Ready
                                                      : LUIWaitResult::TimedOut;
    }
    if (ms == 0xFFFFFFFFu) {
        // Nothing scripted can ever arrive: waiting would never end.
        Fault("a wait for ever with no event to come");
        return LUIWaitResult::Quitting;
    }
    Sleep(ms);
    return LUIWaitResult::TimedOut;
}

void LScriptedHost::SetTimer(LWindow& window, int id, unsigned int /*ms*/) {
    KillTimer(window, id);
    timers.emplace_back(&window, id);
}

void LScriptedHost::KillTimer(LWindow& window, int id) {
    std::erase(timers, std::pair{&window, id});
}

LMessageBoxAnswer LScriptedHost::ShowMessageBox(const LMessageBoxRequest& request) {
    boxes.push_back(request);
    log.push_back("box: " + request.caption + " | " + request.message);
    if (request.buttons.size() <= 1 && request.tickText.empty()) {
        return {0, request.tick};
    }
    if (steps.empty() || steps.front().kind != StepKind::Answer) {
        Fault("the box \"" + request.message + "\" found no answer in the script");
        return {-1, request.tick};
    }
    const Step step = std::move(steps.front());
    steps.pop_front();
    return {step.number, step.tick};
}

bool LScriptedHost::ShowChooser(const LChooserRequest& request, LChooserAnswer& answer) {
    choosers.push_back(request);
    log.push_back("chooser: " + request.prompt);
    if (steps.empty() ||
        (steps.front().kind != StepKind::Choose && steps.front().kind != StepKind::CancelChooser)) {
        Fault("the chooser \"" + request.prompt + "\" found no answer in the script");
        return false;
    }
    const Step step = std::move(steps.front());
    steps.pop_front();
    if (step.kind == StepKind::CancelChooser) {
        return false;
    }
    answer.paths = step.paths;
    answer.filterIndex = step.number;
    return true;
}

void LScriptedHost::SetClipboardText(const std::string& text) {
    clipboard = text;
    log.push_back("clipboard: " + text);
}

void LScriptedHost::OpenURL(const std::string& url) {
    urls.push_back(url);
    log.push_back("url: " + url);
}

bool LScriptedHost::ActsOnDialog(StepKind kind) {
    return kind != StepKind::Answer && kind != StepKind::Choose && kind != StepKind::CancelChooser;
}

std::string LScriptedHost::Describe(const Step& step) {
    static const char* const kNames[] = {
        "Type",        "Click",       "SelectItem", "SelectRows", "ResizeColumn", "PressReturn",
        "PressEscape", "CloseWindow", "Inspect",    "Answer",     "Choose",       "CancelChooser",
    };
    std::string text = kNames[static_cast<int>(step.kind)];
    if (step.kind <= StepKind::ResizeColumn) {
        text += "(" + std::to_string(step.id) + ")";
    }
    return text;
}

LScriptedHost& LScriptedHost::Add(Step step) {
    steps.push_back(std::move(step));
    return *this;
}

void LScriptedHost::Apply(LWindow& window, const Step& step) {
    switch (step.kind) {
        case StepKind::PressReturn:
            if (!window.UserPressReturn()) {
                Fault("Return found no enabled default button in \"" + window.GetTitle() + "\"");
            }
            return;
        case StepKind::PressEscape:
            window.UserPressEscape();
            return;
        case StepKind::CloseWindow:
            window.UserRequestClose();
            return;
        case StepKind::Inspect:
            step.check(window);
            return;
        default:
            if (!ApplyToControl(window, step)) {
                Fault(Describe(step) + " could not be done in \"" + window.GetTitle() + "\"");
            }
    }
}

bool LScriptedHost::ApplyToControl(LWindow& window, const Step& step) {
    LWindow* owner = window.FindInputOwner(step.id);
    if (owner == nullptr) {
        return false;
    }
    switch (step.kind) {
        case StepKind::Type:
            return owner->UserSetText(step.id, step.text);
        case StepKind::Click:
            return owner->UserClick(step.id);
        case StepKind::SelectItem:
            return owner->UserSelectPopup(step.id, step.number);
        case StepKind::SelectRows:
            return owner->UserSelectRows(step.id, step.rows);
        case StepKind::ResizeColumn:
            return owner->UserResizeColumn(step.id, step.number, step.width);
        default:
            return false;
    }
}

bool LScriptedHost::FireTimer() {
    if (timers.empty()) {
        return false;
    }
    // One-shot: it is gone before it runs, so its handler may set it again.
    const auto [window, id] = timers.front();
    timers.erase(timers.begin());
    window->EvTimer(id);
    return true;
}

bool LScriptedHost::EventPoint() {
    ++eventPoints;
    if (cancelAt == 0 || eventPoints < cancelAt || progressWindows.empty()) {
        return false;
    }
    cancelAt = 0;
    progressWindows.back()->UserPressEscape();
    return true;
}

void LScriptedHost::Fault(const std::string& text) {
    faults.push_back(text);
}
