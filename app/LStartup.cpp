#include "LStartup.h"

#include <sys/resource.h>

#include <algorithm>
#include <clocale>
#include <cstring>

std::vector<std::string> LCaptureArguments(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        if (i == 1 && std::strncmp(argv[i], "-psn", 4) == 0) {
            continue;
        }
        arguments.emplace_back(argv[i]);
    }
    return arguments;
}

void LSetLocaleFromEnvironment() {
    if (!std::setlocale(LC_ALL, "")) {
        std::setlocale(LC_ALL, "C");
    }
}

void LRaiseOpenFileLimit() {
    constexpr rlim_t kWanted = 1024;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= kWanted) {
        return;
    }
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? kWanted : std::min(kWanted, limit.rlim_max);
    setrlimit(RLIMIT_NOFILE, &limit);
}
