#pragma once

#include "LStringLongTemplate.h"
#include "LTextBuffer.h"

#include <cstddef>

// A writer bound to one string: every write appends at its end.
template <class T>
class LStringLongTemplateWriter {
public:
    explicit LStringLongTemplateWriter(LStringLongTemplate<T>& string) : target(string) {}

    void Write(T c) { target.push_back(c); }
    void Write(const T* data, size_t count) {
        if (count > 0) {
            target.append(data, count);
        }
    }
    size_t GetLength() const { return target.size(); }
    LStringLongTemplate<T>& GetStringObject() { return target; }

private:
    LStringLongTemplate<T>& target;
};

// A writer that keeps the string's current text and makes room for a short text first, so
// that appending a path or a line rarely reallocates.
template <class T>
class LStringLongTemplateAppender : public LStringLongTemplateWriter<T> {
public:
    explicit LStringLongTemplateAppender(LStringLongTemplate<T>& string)
        : LStringLongTemplateWriter<T>(string) {
        string.GrowToSize(LTextBufferSize);
    }
};
