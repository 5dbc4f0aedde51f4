#include "LFileReadLine.h"

#include "LFileIO.h"

#include <unistd.h>

namespace {

constexpr size_t kBufferSize = 8192;

bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

int OtherLineEnd(int c) {
    return c == '\r' ? '\n' : '\r';
}

int ReadByte(int fd) {
    unsigned char byte;
    return LFileRead(fd, &byte, 1) == 1 ? byte : -1;
}

}  // namespace

bool LFileReadLine(int fd, char* buffer, size_t size) {
    size_t stored = 0;
    bool anyRead = false;
    for (;;) {
        int c = ReadByte(fd);
        if (c < 0 || IsLineEnd(c)) {
            if (c >= 0) {
                int next = ReadByte(fd);
                if (next >= 0 && next != OtherLineEnd(c)) {
                    lseek(fd, -1, SEEK_CUR);
                }
            }
            if (size > 0) {
                buffer[stored] = '\0';
            }
            return c >= 0 || anyRead;
        }
        anyRead = true;
        if (stored + 1 < size) {
            buffer[stored++] = static_cast<char>(c);
        }
    }
}

LFileLineReader::LFileLineReader(int descriptor) : fd(descriptor), buffer(kBufferSize) {}

LFileLineReader::~LFileLineReader() {
    if (filled > position) {
        lseek(fd, -static_cast<off_t>(filled - position), SEEK_CUR);
    }
}

bool LFileLineReader::ReadLine(std::string& line) {
    line.clear();
    bool anyRead = false;
    for (;;) {
        int c = Take();
        if (c < 0) {
            return anyRead;
        }
        if (IsLineEnd(c)) {
            if (Peek() == OtherLineEnd(c)) {
                Take();
            }
            return true;
        }
        anyRead = true;
        line += static_cast<char>(c);
    }
}

int LFileLineReader::Peek() {
    if (position == filled) {
        position = 0;
        filled = LFileRead(fd, buffer.data(), buffer.size());
        if (filled == 0) {
            return -1;
        }
    }
    return static_cast<unsigned char>(buffer[position]);
}

int LFileLineReader::Take() {
    int c = Peek();
    if (c >= 0) {
        ++position;
    }
    return c;
}
