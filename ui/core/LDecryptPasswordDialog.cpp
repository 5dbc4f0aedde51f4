#include "LDecryptPasswordDialog.h"

#include "LLayout.h"
#include "LMessageBox.h"
#include "LOpenHelpTopic.h"

namespace {

enum Ids {
    kPassword = 101,
    kPasswordLabel = 102,
};

}  // namespace

void DlgGendlgCRYPTODECRYPTPASSWORD(LWindow& window, int x, int y, bool standardButtons) {
    LLayoutStaticText(window, kPasswordLabel, "Password:", LTextAlignment::Left,
                      {x + 18, y + 16, 243, 18});
    LLayoutPasswordField(window, kPassword, x + 270, y + 14, 252);
    LLayoutSeparator(window, x + 18, y + 46, 504);
    if (standardButtons) {
        LLayoutStandardButtons(window, x, y + 56, 540);
    }
}

LDecryptPasswordDialog::LDecryptPasswordDialog()
    : LDialog(LDialogTemplate{540, 92, "Enter Password", 0, DlgGendlgCRYPTODECRYPTPASSWORD}) {}

void LDecryptPasswordDialog::InitDialog() {
    SetTooltips({{kPassword, "Password for the encrypted file"}});
}

bool LDecryptPasswordDialog::EvOK() {
    password = GetPasswordText(kPassword);
    if (password.empty()) {
        LMessageBoxError(this, "Empty passwords are not allowed.", kLMessageBoxCaption);
        return false;
    }
    return true;
}

void LDecryptPasswordDialog::EvHelp() {
    LOpenHelpTopic("cryptodecryptpassword");
}
