#pragma once

#include <algorithm>
#include <cstddef>

// A writer into a caller's buffer of capacity + 1 elements: it keeps at most capacity
// characters, drops the rest, and keeps the text zero-terminated after every write.
template <class T>
class LFixedLengthStringWriterTemplate {
public:
    LFixedLengthStringWriterTemplate(T* buffer, size_t capacity) : data(buffer), limit(capacity) {
        data[0] = 0;
    }

    void Write(T c) { Write(&c, 1); }
    void Write(const T* text, size_t count) {
        const size_t kept = std::min(count, limit - length);
        std::copy(text, text + kept, data + length);
        length += kept;
        data[length] = 0;
    }
    size_t GetLength() const { return length; }
    size_t GetCapacity() const { return limit; }
    const T* GetString() const { return data; }

private:
    T* data;
    size_t limit;
    size_t length = 0;
};
