#include "LCommandLineRun.h"
#include "LInstallRecord.h"
#include "LSharedFolderMigration.h"
#include "LStartup.h"
#include "LUIMode.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // The user's umask is kept: every file is created with the mode it asks for, less it.
    const std::vector<std::string> arguments = LCaptureArguments(argc, argv);
    LSetLocaleFromEnvironment();
    LRaiseOpenFileLimit();
    LSharedFolderMigrate();
    if (arguments.size() >= 2 && arguments[1] == "-installer") {
        LInstallRecordWrite();
        return 0;
    }
    if (!LInstallRecordIsCurrent()) {
        LInstallRecordWrite();
    }
    std::vector<const char*> words;
    for (size_t i = 1; i < arguments.size(); ++i) {
        words.push_back(arguments[i].c_str());
    }
    if (words.empty() && LChooseUIMode(false) == LUIMode::Window) {
        std::fputs(
            "The window interface is not available yet; give a command such as "
            "-encrypt or -decrypt (see README.md).\n",
            stderr);
        return 1;
    }
    return LCommandLineRun(words);
}
