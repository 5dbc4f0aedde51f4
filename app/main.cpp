#include "LCommandLineLayer.h"
#include "LExitStatus.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    std::vector<const char*> words(argv + 1, argv + argc);
    char result[kAPIResultSize] = "";
    LCommandLineLayer layer;
    int answer = layer.HandleAPICommand(static_cast<int>(words.size()), words.data(), result);
    std::printf("%s\n", result);
    if (answer < 0) {
        return LExitUsage;
    }
    return LExitStatusForResult(result);
}
