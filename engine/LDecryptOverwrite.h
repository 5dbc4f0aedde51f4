#pragma once

#include <string>

enum class LDecryptOverwriteChoice {
    Write,
    Skip,
    Cancel,
};

// The "File Exists" question of a decryption and its memory: once the user
// ticked "Do this for each file or folder.", the answer given then applies to
// every later name that exists.
class LDecryptOverwriteQuestion {
public:
    // What to do with an entry whose output path already exists.
    LDecryptOverwriteChoice Decide(const std::string& path);

private:
    bool tick = false;
    int lastAnswer = 0;
    bool skipAll = false;
};
