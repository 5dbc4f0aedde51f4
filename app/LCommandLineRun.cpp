#include "LCommandLineRun.h"

#include "LCommandLineLayer.h"
#include "LExitStatus.h"
#include "LProcessInterfaceTerminal.h"
#include "LTerminalHost.h"

#include <cstdio>

namespace {

int StatusOf(int answer, const char* result, const LCommandOutcome& outcome) {
    if (answer < 0) {
        return LExitUsage;
    }
    if (*result == '\0') {
        return outcome.cancelled ? LExitStopped : LExitSuccess;
    }
    const LExitStatus status = LExitStatusForResult(result);
    if (status == LExitSuccess && !outcome.leftOut.empty()) {
        return LExitIncomplete;
    }
    return status;
}

}  // namespace

int LCommandLineRun(const std::vector<const char*>& words) {
    LTerminalHost host;
    LUIHostScope scope(host);
    LProcessInterfaceTerminal windowless;
    LCommandLineLayer layer;
    layer.SetWindowlessProcess(&windowless);
    layer.SetCanAsk(host.HasTerminal());
    char result[kAPIResultSize] = "";
    const int answer = layer.HandleAPICommand(static_cast<int>(words.size()), words.data(), result);
    if (*result != '\0') {
        std::printf("%s\n", result);
        std::fflush(stdout);
    }
    for (const std::string& line : layer.Outcome().leftOut) {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    return StatusOf(answer, result, layer.Outcome());
}
