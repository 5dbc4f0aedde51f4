#include "LDecryptOverwrite.h"

#include "LFileExistsQuestion.h"

namespace {

// The box's answers for its third and second button; 1, its first, is
// Overwrite.
constexpr int kCancel = 2;
constexpr int kNo = 3;

}  // namespace

LDecryptOverwriteChoice LDecryptOverwriteQuestion::Decide(const std::string& path) {
    if (tick) {
        return skipAll || lastAnswer == kNo ? LDecryptOverwriteChoice::Skip
                                            : LDecryptOverwriteChoice::Write;
    }
    lastAnswer = LAskFileExists(nullptr, path, LFileExistsWording::DecryptRun, tick);
    if (lastAnswer == kCancel) {
        return LDecryptOverwriteChoice::Cancel;
    }
    if (lastAnswer == kNo) {
        skipAll = tick;
        return LDecryptOverwriteChoice::Skip;
    }
    return LDecryptOverwriteChoice::Write;
}
