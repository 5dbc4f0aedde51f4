#include "LContentCipher.h"

LContentCipher::LContentCipher(int algorithm, const char* password)
    : useDes(algorithm != 0), blowfish{}, des{} {
    BlowfishInit(blowfish, password);
    DesKeyText(des, password);
}

void LContentCipher::Encipher(unsigned char* buffer, unsigned int length) {
    if (useDes) {
        DesEncryptBuffer(des, buffer, length);
    } else {
        BlowfishEncryptBuffer(blowfish, buffer, length);
    }
}

void LContentCipher::Decipher(unsigned char* buffer, unsigned int length) {
    if (useDes) {
        DesDecryptBuffer(des, buffer, length);
    } else {
        BlowfishDecryptBuffer(blowfish, buffer, length);
    }
}
