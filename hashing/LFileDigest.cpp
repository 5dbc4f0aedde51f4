#include "LFileDigest.h"

#include <unistd.h>

#include <cerrno>
#include <memory>

#include "LFileDescriptor.h"
#include "LFileLock.h"
#include "LMD5.h"
#include "LProcessInterface.h"
#include "LSHA1.h"
#include "LTiger.h"

namespace {

// How long a file locked by another process is waited for before it is read anyway.
constexpr unsigned int kLockWaitMs = 1000;
// Larger than a page cache read-ahead unit, small enough to stay in the processor's cache.
constexpr size_t kReadSize = 64 * 1024;

// Page aligned: the kernel copies out of the page cache noticeably faster into whole pages.
struct ReadBuffer {
    alignas(4096) unsigned char bytes[kReadSize];
};

constexpr int kCannotRead = -1;
constexpr int kDone = 0;
constexpr int kStopped = 1;

bool StopRequested(LProcessInterface* process) {
    return process != nullptr && process->IsToStop();
}

// Feeds the file to update() in pieces until a read returns nothing. kCannotRead when the file
// cannot be opened or a read fails; an interrupted read is tried again.
template <class Update>
int ReadFile(LProcessInterface* process, const std::string& path, Update update) {
    LFileDescriptor file(LFileOpenReadLocked(path, kLockWaitMs));
    if (!file.IsOpen()) {
        return kCannotRead;
    }
    auto buffer = std::make_unique<ReadBuffer>();
    for (;;) {
        if (StopRequested(process)) {
            return kStopped;
        }
        ssize_t got = ::read(file.Get(), buffer->bytes, sizeof buffer->bytes);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return kCannotRead;
        }
        if (got == 0) {
            return kDone;
        }
        update(buffer->bytes, static_cast<size_t>(got));
    }
}

template <class Context, void (*Init)(Context&), void (*Update)(Context&, const void*, size_t),
          void (*Final)(Context&, char*)>
int HashFile(LProcessInterface* process, const std::string& path, char* result) {
    result[0] = '\0';
    Context context;
    Init(context);
    int outcome = ReadFile(process, path, [&context](const unsigned char* data, size_t length) {
        Update(context, data, length);
    });
    if (outcome != kDone) {
        return outcome;
    }
    if (StopRequested(process)) {
        return kStopped;
    }
    Final(context, result);
    return kDone;
}

constexpr auto HashMD5 = HashFile<LMD5Context, LMD5Init, LMD5Update, LMD5Final>;
constexpr auto HashSHA1 = HashFile<LSHA1Context, LSHA1Init, LSHA1Update, LSHA1Final>;
constexpr auto HashTiger = HashFile<LTigerContext, LTigerInit, LTigerUpdate, LTigerFinal>;

}  // namespace

void LMD5FileCreateDigest(const std::string& path, char* result) {
    HashMD5(nullptr, path, result);
}

int LSHA1FileCreateDigest(const std::string& path, char* result) {
    return HashSHA1(nullptr, path, result);
}

int LTigerFileCreateDigest(const std::string& path, char* result) {
    return HashTiger(nullptr, path, result);
}

int LMD5FileCreateDigestProcess(LProcessInterface& process, const std::string& path, char* result) {
    return HashMD5(&process, path, result);
}

int LSHA1FileCreateDigestProcess(LProcessInterface& process, const std::string& path,
                                 char* result) {
    return HashSHA1(&process, path, result);
}

int LTigerFileCreateDigestProcess(LProcessInterface& process, const std::string& path,
                                  char* result) {
    return HashTiger(&process, path, result);
}
