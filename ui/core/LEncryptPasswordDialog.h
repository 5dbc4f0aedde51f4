#pragma once

#include "LDialog.h"
#include "LStrengthMeter.h"

#include <string>

// Layout of the encrypt-password dialog, 540 x 194 points.
void DlgGendlgCRYPTOENCRYPTPASSWORD(LWindow& window, int x, int y, bool standardButtons);

// Asks for a new password twice, rating it while it is typed. Used where files are encrypted
// outside the wizard. The caller reads Password() only when DoModal returned true.
class LEncryptPasswordDialog : public LDialog {
public:
    explicit LEncryptPasswordDialog(const std::string& title = "Enter Password");

    const std::string& Password() const { return password; }

    void InitDialog() override;
    void Command(int id) override;
    bool EvOK() override;
    void EvHelp() override;

private:
    LStrengthMeter meter;
    std::string password;
};
