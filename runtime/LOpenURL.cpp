#include "LOpenURL.h"

#include "LRunCommand.h"

#include <string>
#include <system_error>
#include <thread>

void LOpenURL(const char* url) {
    if (url == nullptr || *url == '\0') {
        return;
    }
    std::vector<std::string> argv{"xdg-open", url};
    try {
        // The opener may take its time; a detached thread reaps it.
        std::thread([argv] { LRunCommandArgv(argv, {}, true); }).detach();
    } catch (const std::system_error&) {
    }
}
