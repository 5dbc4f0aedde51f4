#pragma once

#include "LFileDescriptor.h"

#include <string>

enum class LTerminalReadResult {
    Line,         // a line was typed (without its line break)
    Interrupted,  // Ctrl-C
    EndOfInput,   // Ctrl-D on an empty line, or the terminal went away
};

// The controlling terminal (/dev/tty), where questions are asked even when standard input and
// output are redirected. Not open when the process has no terminal.
class LTerminalDevice {
public:
    LTerminalDevice();

    bool IsOpen() const { return fd.IsOpen(); }
    int Fd() const { return fd.Get(); }

    void Write(const std::string& text) const;
    // Shows prompt and reads one line. With echo false the typing is not shown, and the
    // terminal's echo comes back on every way out, Ctrl-C included. A pending Ctrl-C (see
    // LTerminalInterrupt) ends the read as Interrupted.
    LTerminalReadResult ReadLine(const std::string& prompt, std::string& line, bool echo) const;

private:
    LTerminalReadResult ReadUntilLineBreak(std::string& line) const;

    LFileDescriptor fd;
};
