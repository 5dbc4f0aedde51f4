#pragma once

#include "LProcessInterface.h"

// Runs a fixed command text through the shell on a worker thread and waits for it through the
// process interface for at most timeoutMs (0: only start it). exitCode is the command's exit
// status when the result is LProcessResultSuccess and the command ended in time, else -1. A
// stopped or timed-out wait returns at once; the command runs on to its end.
LProcessResult ProcessRunCommandLineProcessWithExitCode(LProcessInterface& process,
                                                        const char* command, unsigned int timeoutMs,
                                                        int& exitCode);
