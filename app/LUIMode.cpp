#include "LUIMode.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

LUIMode LChooseUIMode(bool commandGiven) {
    if (const char* forced = std::getenv("ZEL_UI")) {
        if (std::strcmp(forced, "terminal") == 0) {
            return LUIMode::Terminal;
        }
        if (std::strcmp(forced, "gui") == 0) {
            return LUIMode::Window;
        }
    }
    const bool display = IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
    if (!display || (commandGiven && isatty(STDIN_FILENO))) {
        return LUIMode::Terminal;
    }
    return LUIMode::Window;
}
