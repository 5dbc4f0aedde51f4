#pragma once

#include <cstddef>
#include <string>

// Plain descriptor helpers. Every descriptor is opened close-on-exec, so the external tools we
// start never inherit one.

// Opens read-only; -1 on failure. Never blocks on a FIFO and never makes a terminal ours.
int LFileOpenRead(const std::string& path);

// Opens read-write, created with mode 0666 (less the umask) if missing, under an exclusive
// advisory lock taken without waiting, then empties it. -1 when it cannot be opened or another
// process holds a lock on it.
int LFileOpenWrite(const std::string& path);

// One read of up to size bytes; 0 at the end, on an error or for a descriptor of -1.
size_t LFileRead(int fd, void* buffer, size_t size);

// Writes all size bytes unless an error stops it; returns how many were written (0 on an error
// before the first byte or for a descriptor of -1).
size_t LFileWrite(int fd, const void* data, size_t size);

// Cuts the file at the descriptor's current position.
bool LFileTruncate(int fd);

// True if every byte of text was written.
bool LFileWriteString(int fd, const std::string& text);

// The text and one line feed; true if all of it was written.
bool LFileWriteLine(int fd, const std::string& text);
