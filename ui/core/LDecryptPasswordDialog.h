#pragma once

#include "LDialog.h"

#include <string>

// Layout of the decrypt-password dialog, 540 x 92 points.
void DlgGendlgCRYPTODECRYPTPASSWORD(LWindow& window, int x, int y, bool standardButtons);

// Asks for the password of a container; whether it is right is for the decryption to say.
class LDecryptPasswordDialog : public LDialog {
public:
    LDecryptPasswordDialog();

    const std::string& Password() const { return password; }

    void InitDialog() override;
    bool EvOK() override;
    void EvHelp() override;

private:
    std::string password;
};
