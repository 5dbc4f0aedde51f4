#include "LStrengthMeter.h"

#include "LWindow.h"

void LStrengthMeter::Attach(LWindow& window, int password, int strengthText, int confirmation,
                            int matchText, int command) {
    dialog = &window;
    passwordId = password;
    strengthTextId = strengthText;
    confirmationId = confirmation;
    matchTextId = matchText;
    tracking = confirmation != -1;
    dialog->NotifyOnEdit(passwordId, command);
    if (tracking) {
        dialog->NotifyOnEdit(confirmationId, command);
    }
    Update();
}

void LStrengthMeter::Update() {
    if (dialog == nullptr) {
        return;
    }
    const std::string password = dialog->GetPasswordText(passwordId);
    if (password.empty()) {
        // The colour stays as it was; only the text goes.
        dialog->SetItemText(strengthTextId, {});
    } else {
        strength = LRatePassword(password);
        dialog->SetTextColour(strengthTextId, LPasswordStrengthColour(strength));
        dialog->SetItemText(strengthTextId, LPasswordStrengthText(strength));
    }
    if (!tracking) {
        match = true;
        return;
    }
    const std::string confirmation = dialog->GetPasswordText(confirmationId);
    if (confirmation.empty()) {
        dialog->SetItemText(matchTextId, {});
        return;
    }
    match = confirmation == password;
    dialog->SetTextColour(matchTextId, match ? kLStrengthColourStrong : kLStrengthColourWeak);
    dialog->SetItemText(matchTextId, match ? "Passwords match" : "Passwords do not match");
}
