#include "LCommandLineLayer.h"

#include "LCommandDecrypt.h"
#include "LCommandEncrypt.h"
#include "LCommandRequest.h"
#include "LDecryptFlow.h"
#include "LProcessInterfaceSilent.h"

#include <cstdio>

namespace {

LCommandOutcome RunRequest(LCommandRequest& request, LProcessInterface& windowless, bool canAsk) {
    if (request.email) {
        return {"Error. Encrypted email is not available yet.", false, {}};
    }
    if (request.decrypt) {
        if (request.data.quiet) {
            return LCommandDecryptQuiet(request, windowless, canAsk);
        }
        return LDecryptFlow(nullptr, request.data.containerPath, canAsk);
    }
    if (request.encrypt) {
        return LCommandEncrypt(request, canAsk);
    }
    return {};
}

}  // namespace

int LCommandLineLayer::EvAPICommand(int count, const char* const* words, char* result) {
    outcome = {};
    if (count == 0) {
        return 0;
    }
    LCommandRequest request;
    std::string text;
    if (LCommandReadWords(count, words, request, text)) {
        LProcessInterfaceSilent silent;
        outcome = RunRequest(request, windowless ? *windowless : silent, canAsk);
    } else {
        outcome.text = text;
    }
    exitRequested = request.exit;
    if (!outcome.text.empty()) {
        std::snprintf(result, kAPIResultSize, "%s", outcome.text.c_str());
    }
    return 0;
}
