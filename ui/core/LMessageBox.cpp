#include "LMessageBox.h"

#include "LCommand.h"
#include "LMenuBarLock.h"
#include "LSheet.h"
#include "LUIHost.h"
#include "LWindow.h"

#include <algorithm>

namespace {

LMessageBoxRequest Request(LWindow* parent, const std::string& message, const std::string& caption,
                           LMessageBoxIcon icon) {
    LMessageBoxRequest request;
    request.parent = LSheetParent(parent);
    request.sheet = LShowAsSheet(parent);
    request.icon = icon;
    request.caption = caption;
    request.message = message;
    request.message.erase(std::remove(request.message.begin(), request.message.end(), '\r'),
                          request.message.end());
    return request;
}

// The index of the button chosen; a box that could not be asked gives its cancel button, or
// its only button.
LMessageBoxAnswer Ask(const LMessageBoxRequest& request) {
    LMenuBarLock menusOff;
    LMessageBoxAnswer answer = LUIHostCurrent().ShowMessageBox(request);
    if (answer.button < 0 || answer.button >= static_cast<int>(request.buttons.size())) {
        answer.button = request.cancelButton >= 0 ? request.cancelButton
                                                  : (request.buttons.size() == 1 ? 0 : -1);
        answer.tick = request.tick;
    }
    return answer;
}

void OneButton(LWindow* parent, const std::string& message, const std::string& caption,
               LMessageBoxIcon icon, const std::string& button) {
    LMessageBoxRequest request = Request(parent, message, caption, icon);
    request.buttons = {button};
    Ask(request);
}

}  // namespace

void LMessageBoxError(LWindow* parent, const std::string& message, const std::string& caption) {
    OneButton(parent, message, caption, LMessageBoxIcon::Stop, "OK");
}

void LMessageBoxWarning(LWindow* parent, const std::string& message, const std::string& caption) {
    OneButton(parent, message, caption, LMessageBoxIcon::Caution, "OK");
}

void LMessageBoxInfo(LWindow* parent, const std::string& message, const std::string& caption) {
    OneButton(parent, message, caption, LMessageBoxIcon::Note, "OK");
}

void LMessageBoxButton(LWindow* parent, const std::string& message, const std::string& caption,
                       const std::string& button) {
    OneButton(parent, message, caption, LMessageBoxIcon::Note, button);
}

bool LMessageBoxOKCancel(LWindow* parent, const std::string& message, const std::string& caption,
                         const std::string& button) {
    LMessageBoxRequest request = Request(parent, message, caption, LMessageBoxIcon::Note);
    request.buttons = {button, "Cancel"};
    request.cancelButton = 1;
    return Ask(request).button == 0;
}

bool LMessageBoxTwoButtons(LWindow* parent, const std::string& message, const std::string& caption,
                           const std::string& first, const std::string& second) {
    LMessageBoxRequest request = Request(parent, message, caption, LMessageBoxIcon::Note);
    request.buttons = {first, second};
    return Ask(request).button == 0;
}

int LMessageBoxThreeButtons(LWindow* parent, const std::string& message, const std::string& caption,
                            const std::string& first, const std::string& cancel,
                            const std::string& other) {
    LMessageBoxRequest request = Request(parent, message, caption, LMessageBoxIcon::Note);
    request.buttons = {first, cancel, other};
    request.cancelButton = 1;
    static constexpr int kCommands[] = {kLCommandOK, kLCommandCancel, kLCommandOther};
    return kCommands[Ask(request).button];
}

int LMessageBoxThreeButtonsTick(LWindow* parent, const std::string& message,
                                const std::string& caption, const std::string& tickText, bool& tick,
                                const std::string& first, const std::string& second,
                                const std::string& third) {
    LMessageBoxRequest request = Request(parent, message, caption, LMessageBoxIcon::Note);
    request.buttons = {first, second, third};
    request.cancelButton = 2;
    request.tickText = tickText;
    request.tick = tick;
    const LMessageBoxAnswer answer = Ask(request);
    tick = answer.tick;
    static constexpr int kResults[] = {1, 3, 2};
    return kResults[answer.button];
}

void LMessageBoxDontShowAgain(LWindow* parent, const std::string& message,
                              const std::string& caption, const std::string& tickText, bool& tick,
                              const std::string& button) {
    LMessageBoxRequest request = Request(parent, message, caption, LMessageBoxIcon::Application);
    request.sheet = false;
    request.centreOnParent = true;
    request.buttons = {button};
    request.tickText = tickText;
    request.tick = tick;
    request.minimumWidth = 474;
    request.minimumHeight = 134;
    tick = Ask(request).tick;
}
