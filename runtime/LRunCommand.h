#pragma once

#include "LChildProcess.h"

#include <string>
#include <vector>

// Runs a fixed command text through the shell and waits: true only for a normal exit with
// status 0. Never use it for a command that holds a file name; use LRunCommandArgv.
bool LRunCommand(const char* command);

// Runs argv without a shell (see LChildSpec), standard input and error those of the program,
// standard output too unless discardOutput is set. Returns the exit status, or -1 when the
// command could not be started or a signal ended it.
int LRunCommandArgvExitCode(const std::vector<std::string>& argv,
                            const std::string& workingFolder = {}, bool discardOutput = false);

// As above; true only for a normal exit with status 0.
bool LRunCommandArgv(const std::vector<std::string>& argv, const std::string& workingFolder = {},
                     bool discardOutput = false);
