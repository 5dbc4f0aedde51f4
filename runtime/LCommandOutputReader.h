#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Reads what a command writes to its standard output, chunk by chunk.
class LCommandOutputReader {
public:
    LCommandOutputReader() = default;
    ~LCommandOutputReader() { Close(); }
    LCommandOutputReader(const LCommandOutputReader&) = delete;
    LCommandOutputReader& operator=(const LCommandOutputReader&) = delete;

    // Starts a fixed command text through the shell. False if it could not be started.
    bool Open(const char* command);
    // Starts argv without a shell, in workingFolder when one is given.
    bool Open(const std::vector<std::string>& argv, const std::string& workingFolder = {});

    // One blocking read of at most size bytes. At the end of the output or on an error the
    // reader closes (waiting for the command) and returns 0; a closed reader returns 0.
    size_t Read(char* buffer, size_t size);

    // Closes the pipe and waits for the command. Returns its exit status, also once the reader
    // has closed itself; -1 when a signal ended it or none was started.
    int Close();

private:
    int fd = -1;
    int pid = -1;
    int exitCode = -1;
};
