#pragma once

#include <string>

// Writes all of text to fd, resuming after system signals; gives up quietly when the other
// end is gone (nothing more can be said there anyway).
void LTerminalWriteAll(int fd, const std::string& text);

// A line on stderr: "zel: " and text.
void LTerminalSayOnStderr(const std::string& text);
