#pragma once

#include "LBlowfish.h"
#include "LDes.h"

// The cipher of a container's content, keyed from the password: Blowfish for algorithm 0,
// DES for anything else, as readers take it.
class LContentCipher {
public:
    LContentCipher(int algorithm, const char* password);

    void Encipher(unsigned char* buffer, unsigned int length);
    void Decipher(unsigned char* buffer, unsigned int length);

private:
    bool useDes;
    LBlowfishContext blowfish;
    LDesContext des;
};
