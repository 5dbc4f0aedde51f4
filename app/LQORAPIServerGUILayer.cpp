#include "LQORAPIServerGUILayer.h"

#include <cstdio>
#include <cstring>

int LQORAPIServerGUILayer::HandleAPICommand(int count, const char* const* words, char* result) {
    if (count < 1) {
        std::snprintf(result, kAPIResultSize, "Command Not Specified.");
        return -2;
    }
    if (std::strcmp(words[0], "-testapi") == 0) {
        if (count < 2) {
            std::snprintf(result, kAPIResultSize, "API Test Fail (No data).");
            return -1;
        }
        // Bounded by the result buffer: a long test word is cut, never written past its end.
        std::snprintf(result, kAPIResultSize, "API Test OK [%s].", words[1]);
        return 0;
    }
    if (std::strcmp(words[0], "-version") == 0) {
        std::snprintf(result, kAPIResultSize, "2.16");
        return 0;
    }
    return EvAPICommand(count, words, result);
}
