#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Line reading with one set of rules: a line ends at CR or at LF, and the byte after it belongs
// to that end only when it is the other of the two. So CR LF and LF CR are single line ends,
// while CR CR and LF LF end an empty line. A last line without a line end counts when it holds
// at least one character.

// Reads one line from fd a byte at a time, storing at most size - 1 characters and a zero into
// buffer; the rest of a longer line is read and dropped. A byte read past the line end that is
// not part of it is given back by moving the file position, so fd must be seekable (use
// LFileLineReader for pipes). True when a line end was seen (also for an empty line); at the
// end of the file true only if characters were read.
bool LFileReadLine(int fd, char* buffer, size_t size);

// Reads whole lines of any length from a descriptor it does not own, seekable or not. When it
// goes, a seekable descriptor is moved back to just after the last line returned.
class LFileLineReader {
public:
    explicit LFileLineReader(int fd);
    ~LFileLineReader();
    LFileLineReader(const LFileLineReader&) = delete;
    LFileLineReader& operator=(const LFileLineReader&) = delete;

    // line := the next line without its end. Returns as LFileReadLine does.
    bool ReadLine(std::string& line);

private:
    // The next byte without taking it; -1 at the end of the file or on an error.
    int Peek();
    int Take();

    int fd;
    std::vector<char> buffer;
    size_t position = 0;
    size_t filled = 0;
};
