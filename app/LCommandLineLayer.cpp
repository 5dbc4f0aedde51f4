#include "LCommandLineLayer.h"

#include <cstdio>

int LCommandLineLayer::EvAPICommand(int count, const char* const* words, char* result) {
    std::snprintf(result, kAPIResultSize, "Error. The command %s is not available yet.",
                  count > 0 ? words[0] : "");
    return 0;
}
