#include "LSelfDecryptRelaunch.h"

#include "LRunCommand.h"

#include <cstdlib>

namespace {

constexpr const char* kWindowMark = "ZEL_SELFDECRYPT_WINDOW";

// Each emulator with the words that make it run a command given as its
// remaining arguments.
std::vector<std::vector<std::string>> Emulators() {
    std::vector<std::vector<std::string>> emulators;
    if (const char* chosen = std::getenv("TERMINAL"); chosen != nullptr && *chosen != '\0') {
        emulators.push_back({chosen, "-e"});
    }
    emulators.push_back({"x-terminal-emulator", "-e"});
    emulators.push_back({"gnome-terminal", "--"});
    emulators.push_back({"konsole", "-e"});
    emulators.push_back({"xfce4-terminal", "-x"});
    emulators.push_back({"xterm", "-e"});
    return emulators;
}

}  // namespace

bool LSelfDecryptRelaunch(const std::string& program, const std::vector<std::string>& arguments) {
    setenv(kWindowMark, "1", 1);
    for (std::vector<std::string> argv : Emulators()) {
        argv.push_back(program);
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        // -1: the emulator is not installed; any other status means it ran.
        if (LRunCommandArgvExitCode(argv, {}, true) != -1) {
            return true;
        }
    }
    return false;
}

bool LSelfDecryptInOwnWindow() {
    const char* mark = std::getenv(kWindowMark);
    return mark != nullptr && *mark == '1';
}
