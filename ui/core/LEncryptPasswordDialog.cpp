#include "LEncryptPasswordDialog.h"

#include "LLayout.h"
#include "LMessageBox.h"
#include "LOpenHelpTopic.h"

namespace {

enum Ids {
    kStrength = 101,
    kPassword = 102,
    kPasswordLabel = 103,
    kConfirmation = 104,
    kConfirmationLabel = 105,
    kMatch = 106,
};

}  // namespace

void DlgGendlgCRYPTOENCRYPTPASSWORD(LWindow& window, int x, int y, bool standardButtons) {
    const LTextAlignment left = LTextAlignment::Left;
    LLayoutStaticText(window, -1, {}, left, {x + 18, y + 14, 249, 18});
    LLayoutStaticText(window, kStrength, {}, left, {x + 273, y + 14, 249, 32});
    LLayoutStaticText(window, kPasswordLabel, "Password:", left, {x + 18, y + 60, 243, 18});
    LLayoutPasswordField(window, kPassword, x + 270, y + 58, 252);
    LLayoutStaticText(window, kConfirmationLabel, "Confirm:", left, {x + 18, y + 92, 243, 18});
    LLayoutPasswordField(window, kConfirmation, x + 270, y + 90, 252);
    LLayoutStaticText(window, -1, {}, left, {x + 18, y + 122, 249, 18});
    LLayoutStaticText(window, kMatch, {}, left, {x + 273, y + 122, 249, 18});
    LLayoutSeparator(window, x + 18, y + 148, 504);
    if (standardButtons) {
        LLayoutStandardButtons(window, x, y + 158, 540);
    }
}

LEncryptPasswordDialog::LEncryptPasswordDialog(const std::string& title)
    : LDialog(LDialogTemplate{540, 194, title, 0, DlgGendlgCRYPTOENCRYPTPASSWORD}) {}

void LEncryptPasswordDialog::InitDialog() {
    SetTooltips({
        {kPassword, "Password for the encrypted file"},
        {kConfirmation, "Confirm the password to ensure you did not make any typos"},
    });
    meter.Attach(*this, kPassword, kStrength, kConfirmation, kMatch, LStrengthMeter::kCommand);
}

void LEncryptPasswordDialog::Command(int id) {
    if (id == LStrengthMeter::kCommand) {
        meter.Update();
    }
}

bool LEncryptPasswordDialog::EvOK() {
    password = GetPasswordText(kPassword);
    if (password.empty()) {
        LMessageBoxError(this, "Empty passwords are not allowed.", kLMessageBoxCaption);
        return false;
    }
    if (password != GetPasswordText(kConfirmation)) {
        LMessageBoxError(this, "Passwords do not match.", kLMessageBoxCaption);
        return false;
    }
    return true;
}

void LEncryptPasswordDialog::EvHelp() {
    LOpenHelpTopic("cryptoencryptpassword");
}
