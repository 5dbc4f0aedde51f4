#pragma once

#include "LCryptData.h"

#include <string>
#include <vector>

// What one command vector asks for, as its words are read.
struct LCommandRequest {
    LCryptData data;  // -password, -decrypt, -alg, -selfdecrypt, -compress and -quiet
    std::vector<std::string> items;  // -encrypt and -list
    std::string destination;         // -destination
    bool encrypt = false;
    bool decrypt = false;
    bool email = false;
    bool exit = false;
    bool show = false;
};

// Reads the words left to right into request. True when they ask for a run (or for nothing);
// false when the interpretation ended with text: the first error, or a hash command's answer.
// Paths are made absolute as LCommandAbsolutePath says; exit is set when "-exit" occurs
// anywhere, before anything else is read.
bool LCommandReadWords(int count, const char* const* words, LCommandRequest& request,
                       std::string& text);
