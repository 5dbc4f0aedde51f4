#include "LFileCreationMask.h"

#include <sys/stat.h>
#include <fstream>
#include <string>

mode_t LFileCreationMask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
        }
    }
    // Without /proc: set and restore, the only other way to learn it.
    mode_t mask = umask(022);
    umask(mask);
    return mask;
}
