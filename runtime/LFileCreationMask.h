#pragma once

#include <sys/types.h>

// The process's file-creation mask, read without changing it (so other threads creating files
// meanwhile are not affected). Explicit modes the program sets are masked by it, as the modes
// given to open and mkdir are.
mode_t LFileCreationMask();
