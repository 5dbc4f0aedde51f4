#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

// What a started command's standard input or output is connected to.
enum class LChildStream { Inherit, Null, Pipe };

struct LChildSpec {
    // argv[0] is a path, or a name looked up on PATH. Each element reaches the command as one
    // argument, exactly as given: no shell ever sees it.
    std::vector<std::string> argv;
    // Where the command runs; empty keeps the program's own current folder. Ours never changes.
    std::string workingFolder;
    LChildStream input = LChildStream::Inherit;
    LChildStream output = LChildStream::Inherit;
};

// A running command. The pipes exist when the LChildSpec asked for them.
struct LChild {
    pid_t pid = -1;
    int inputFd = -1;   // write end of the command's standard input
    int outputFd = -1;  // read end of the command's standard output
};

// Starts the command in a process group of its own, so that a Ctrl-C meant for us does not
// kill it halfway, with default signal handling and an empty signal mask. False when it could
// not be started.
bool LChildStart(const LChildSpec& spec, LChild& child);

// Waits for the command to end. False when the wait itself failed (other than for a child
// that is already gone); exitCode is its exit status, or -1 when a signal ended it.
bool LChildWait(pid_t pid, int& exitCode);

// The shell form of a command text, for the few fixed commands that are given as text.
std::vector<std::string> LShellArgv(const char* command);
