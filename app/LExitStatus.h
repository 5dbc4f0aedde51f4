#pragma once

// Exit statuses of the program when it ends after a command.
enum LExitStatus {
    LExitSuccess = 0,
    LExitFailed = 1,
    LExitUsage = 2,
    LExitIncomplete = 3,
    LExitStopped = 130,
};

// The exit status that goes with a command's result text.
LExitStatus LExitStatusForResult(const char* result);
