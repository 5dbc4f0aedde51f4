#include "LCommandPassword.h"

#include "LDecryptSetup.h"
#include "LEncryptPasswordDialog.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool AskPassword(std::string& password, bool encryption) {
    if (!encryption) {
        return LDecryptSettlePassword(password);
    }
    LEncryptPasswordDialog dialog;
    if (!dialog.DoModal(nullptr)) {
        return false;
    }
    password = dialog.Password();
    return true;
}

}  // namespace

bool LCommandSettlePassword(std::string& password, bool encryption, bool canAsk) {
    if (!password.empty()) {
        return true;
    }
    if (const char* given = std::getenv("ZEL_PASSWORD"); given && *given) {
        password = given;
        return true;
    }
    if (!canAsk) {
        std::fputs(
            "A password is needed and there is no terminal to ask for it: give it with "
            "-password or in the environment variable ZEL_PASSWORD. Cancelled.\n",
            stderr);
        return false;
    }
    return AskPassword(password, encryption);
}
