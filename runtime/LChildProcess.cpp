#include "LChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

extern char** environ;

namespace {

// Owns the spawn attributes and file actions for the length of one start.
struct SpawnSetup {
    posix_spawnattr_t attr{};
    posix_spawn_file_actions_t actions{};
    SpawnSetup() {
        posix_spawnattr_init(&attr);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attr);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

void CloseIfOpen(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

void SetChildSignals(posix_spawnattr_t& attr) {
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int sig : {SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGCHLD, SIGHUP}) {
        sigaddset(&defaults, sig);
    }
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(
        &attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

// Connects the child's descriptor target according to how; for a pipe, ours receives the
// parent's end (readable when the child writes, writable when it reads).
bool ConnectStream(posix_spawn_file_actions_t& actions, LChildStream how, int target, int& ours,
                   int& theirs) {
    if (how == LChildStream::Null) {
        int mode = target == STDIN_FILENO ? O_RDONLY : O_WRONLY;
        return posix_spawn_file_actions_addopen(&actions, target, "/dev/null", mode, 0) == 0;
    }
    if (how != LChildStream::Pipe) {
        return true;
    }
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    bool childReads = target == STDIN_FILENO;
    theirs = childReads ? ends[0] : ends[1];
    ours = childReads ? ends[1] : ends[0];
    return posix_spawn_file_actions_adddup2(&actions, theirs, target) == 0;
}

}  // namespace

bool LChildStart(const LChildSpec& spec, LChild& child) {
    child = LChild{};
    if (spec.argv.empty()) {
        return false;
    }
    SpawnSetup setup;
    SetChildSignals(setup.attr);
    int childIn = -1;
    int childOut = -1;
    bool ready = ConnectStream(setup.actions, spec.input, STDIN_FILENO, child.inputFd, childIn) &&
                 ConnectStream(setup.actions, spec.output, STDOUT_FILENO, child.outputFd, childOut);
    if (ready && !spec.workingFolder.empty()) {
        ready =
            posix_spawn_file_actions_addchdir_np(&setup.actions, spec.workingFolder.c_str()) == 0;
    }
    std::vector<char*> args;
    for (const std::string& arg : spec.argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    int failed =
        ready ? posix_spawnp(&child.pid, args[0], &setup.actions, &setup.attr, args.data(), environ)
              : -1;
    CloseIfOpen(childIn);
    CloseIfOpen(childOut);
    if (failed != 0) {
        CloseIfOpen(child.inputFd);
        CloseIfOpen(child.outputFd);
        child.pid = -1;
        return false;
    }
    return true;
}

bool LChildWait(pid_t pid, int& exitCode) {
    exitCode = -1;
    int status = 0;
    pid_t got;
    do {
        got = waitpid(pid, &status, 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        return errno == ECHILD;
    }
    if (WIFEXITED(status)) {
        exitCode = WEXITSTATUS(status);
    }
    return true;
}

std::vector<std::string> LShellArgv(const char* command) {
    return {"/bin/sh", "-c", command ? command : ""};
}
