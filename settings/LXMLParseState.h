#pragma once

#include <cstddef>
#include <string>

// The reader's cursor over zero-terminated text: delivers one byte at a time, folds every line
// break into a line feed, counts lines and columns and keeps the first error found.
class LXMLParseState {
public:
    static constexpr int kEnd = -1;
    static constexpr std::size_t kErrorTextLimit = 259;

    LXMLParseState(const char* source, std::string& errorText);

    // The next byte (0..255), '\n' for any line break, kEnd at the end of input (for ever after).
    int ReadChar();
    // Records "Ln %d, Col %d: message" unless an error is already recorded.
    void SetError(const std::string& message);
    // Every later read gives the end of input.
    void Stop() { stopped = true; }

private:
    const char* text;
    std::size_t position = 0;
    std::string& error;
    int line = 1;
    int column = 1;
    bool stopped = false;
};
