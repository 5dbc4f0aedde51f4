#pragma once

#include <string>
#include <vector>

// The steps the program takes before it acts on its command line.

// The arguments, the program's path first; a process serial number ("-psn...") in position 1,
// which some desktop launchers add, is left out.
std::vector<std::string> LCaptureArguments(int argc, const char* const* argv);

// The user's locale for every category, so that names and messages use their character set.
void LSetLocaleFromEnvironment();

// Raises the soft limit on open files to 1024 where the hard limit allows.
void LRaiseOpenFileLimit();
