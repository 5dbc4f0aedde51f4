#pragma once

// Outcome of a run or of a wait.
enum LProcessResult {
    LProcessResultSuccess = 0,  // finished, the signal arrived, or the wait ran its full time
    LProcessResultStopped = 1,  // a stop was requested; callers show nothing
    LProcessResultFailed = 2,   // failed, timed out, or could not start
};
