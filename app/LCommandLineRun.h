#pragma once

#include <vector>

// Runs the words of a command line in terminal mode, on the terminal host: prints the result
// text on standard output and what was left out on stderr, and returns the exit status.
int LCommandLineRun(const std::vector<const char*>& words);
