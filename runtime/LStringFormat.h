#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// The program's small printf. After "%", digits and "." give the width and precision (at most
// 257 of them); no flags ("-", "+", space, "#") and no length modifiers are recognised:
//   %%      a percent sign
//   %s      the text; a null text gives nothing
//   %f      a double, as the C library formats it (so are e, E, F, g, G, a and A)
//   %p      a pointer, as the C library formats it
//   %n      takes its pointer and writes nothing
//   other   one 32-bit int, formatted as the C library does with that letter (d, i, u, o, x,
//           X, c); a letter the C library does not know takes its int and writes nothing
// Numbers wider than 32 bits are passed as text (std::to_string and %s).
void LFormatAppend(std::string& out, const char* format, va_list args);

// Formats into the writer (anything with Write(const char*, size_t) and GetLength()) and
// returns the writer's length.
template <class Writer>
size_t tplprintf(Writer& writer, const char* format, va_list args) {
    std::string text;
    LFormatAppend(text, format, args);
    writer.Write(text.data(), text.size());
    return writer.GetLength();
}
