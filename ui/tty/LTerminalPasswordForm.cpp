#include "LTerminalPasswordForm.h"

#include "LCommand.h"
#include "LTerminalDevice.h"
#include "LWindow.h"

#include <map>
#include <string>
#include <vector>

namespace {

struct Field {
    int id;
    std::string label;
};

bool IsInput(LControlKind kind) {
    return kind != LControlKind::StaticText && kind != LControlKind::Separator &&
           kind != LControlKind::PushButton && kind != LControlKind::GroupBox;
}

// The password fields in order, each with the last text declared before it.
std::vector<Field> PasswordFields(const LWindow& dialog) {
    std::vector<Field> fields;
    std::string label;
    for (const LControl& control : dialog.Controls()) {
        if (control.kind == LControlKind::StaticText && !control.text.empty()) {
            label = control.text;
        } else if (control.kind == LControlKind::PasswordField) {
            fields.push_back({control.id, label.empty() ? "Password:" : label});
            label.clear();
        }
    }
    return fields;
}

std::map<int, std::string> Labels(const LWindow& dialog) {
    std::map<int, std::string> labels;
    for (const LControl& control : dialog.Controls()) {
        if (control.kind == LControlKind::StaticText && control.id != -1) {
            labels[control.id] = control.text;
        }
    }
    return labels;
}

// The labels that changed since before and are not empty, one a line.
std::string Changed(const LWindow& dialog, const std::map<int, std::string>& before) {
    std::string text;
    for (const auto& [id, label] : Labels(dialog)) {
        const auto old = before.find(id);
        if (!label.empty() && (old == before.end() || old->second != label)) {
            text += label + "\n";
        }
    }
    return text;
}

void Cancel(LWindow& dialog) {
    dialog.UserRequestClose();
    if (!dialog.IsEnded()) {
        dialog.Close(kLCommandCancel);
    }
}

// Asks each field once; false when the user gave up.
bool AskFields(const LTerminalDevice& terminal, LWindow& dialog, const std::vector<Field>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::map<int, std::string> before = Labels(dialog);
        std::string typed;
        if (terminal.ReadLine(fields[i].label + " ", typed, false) != LTerminalReadResult::Line) {
            return false;
        }
        dialog.UserSetText(fields[i].id, typed);
        if (i + 1 < fields.size()) {
            terminal.Write(Changed(dialog, before));
        }
    }
    return true;
}

}  // namespace

bool LTerminalIsPasswordForm(const LWindow& dialog) {
    bool any = false;
    for (const LControl& control : dialog.Controls()) {
        if (control.kind == LControlKind::PasswordField) {
            any = true;
        } else if (IsInput(control.kind)) {
            return false;
        }
    }
    return any;
}

void LTerminalRunPasswordForm(const LTerminalDevice& terminal, LWindow& dialog) {
    const std::vector<Field> fields = PasswordFields(dialog);
    terminal.Write(dialog.GetTitle() + "\n");
    while (!dialog.IsEnded()) {
        for (const Field& field : fields) {
            dialog.UserSetText(field.id, {});
        }
        if (!AskFields(terminal, dialog, fields)) {
            Cancel(dialog);
            return;
        }
        if (!dialog.UserPressReturn()) {
            dialog.DispatchCommand(kLCommandOK);
        }
    }
}
