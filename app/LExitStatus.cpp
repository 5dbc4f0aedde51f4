#include "LExitStatus.h"

#include <cstring>
#include <string_view>

namespace {

struct ResultPrefix {
    const char* text;
    LExitStatus status;
};

// Matched by their beginnings, since several carry details after a fixed head.
constexpr ResultPrefix kResults[] = {
    {"Error.", LExitUsage},
    {"Command Not Specified.", LExitUsage},
    {"API Test Fail (No data).", LExitUsage},
    {"Encryption aborted due to errors.", LExitFailed},
    {"Decryption aborted due to errors", LExitFailed},
    {"Invalid Password", LExitFailed},
    {"Not a valid ZEL or CRY file", LExitFailed},
    {"Hash is not valid.", LExitFailed},
    {"Encryption is stopped by user.", LExitStopped},
    {"Decryption is stopped by user.", LExitStopped},
};

}  // namespace

LExitStatus LExitStatusForResult(const char* result) {
    std::string_view text = result ? result : "";
    for (const ResultPrefix& known : kResults) {
        if (text.starts_with(known.text)) {
            return known.status;
        }
    }
    // A hash that could not be computed is reported as an empty one.
    if (text == "Hash: ") {
        return LExitFailed;
    }
    return LExitSuccess;
}
