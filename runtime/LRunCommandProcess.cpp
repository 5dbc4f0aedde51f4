#include "LRunCommandProcess.h"

#include "LChildProcess.h"

#include <unistd.h>
#include <string>
#include <system_error>
#include <thread>

namespace {

// Shared by the caller and the worker. The finished signal publishes status and exit code;
// the released signal tells the worker that the caller is gone, so the worker frees it.
struct CommandRecord {
    std::string command;
    LSignalObject finished;
    LSignalObject released;
    int status = 1;
    int exitCode = -1;
};

void CommandWorker(CommandRecord* record) {
    record->status = LProcessResultSuccess;
    record->exitCode = -1;
    LChildSpec spec{LShellArgv(record->command.c_str()), {}};
    spec.input = LChildStream::Pipe;
    LChild child;
    if (!LChildStart(spec, child)) {
        record->status = LProcessResultFailed;
    } else {
        // Nothing is ever written to the command: it sees the end of its input at once.
        close(child.inputFd);
        if (!LChildWait(child.pid, record->exitCode)) {
            record->status = LProcessResultFailed;
        }
    }
    record->finished.Set();
    record->released.Wait(0xFFFFFFFFu);
    delete record;
}

}  // namespace

LProcessResult ProcessRunCommandLineProcessWithExitCode(LProcessInterface& process,
                                                        const char* command, unsigned int timeoutMs,
                                                        int& exitCode) {
    exitCode = -1;
    auto* record = new CommandRecord;
    record->command = command ? command : "";
    record->finished.Reset();
    record->released.Reset();
    try {
        std::thread(CommandWorker, record).detach();
    } catch (const std::system_error&) {
        delete record;
        return LProcessResultFailed;
    }
    LProcessResult result = LProcessResultSuccess;
    if (timeoutMs != 0) {
        result = process.ProcessWaitSignal(record->finished.Ref(), timeoutMs);
        if (result == LProcessResultSuccess) {
            result = static_cast<LProcessResult>(record->status);
            exitCode = record->exitCode;
        }
    }
    record->released.Set();
    return result;
}
