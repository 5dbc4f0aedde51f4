#pragma once

#include "LTextBuffer.h"

// Percent-encodes text for a URI: letters, digits and "-", "_", ".", "!", "~" stay; every other
// byte, "/" and space included, becomes "%" and two uppercase hexadecimal digits.

// Writes the encoded text to writer (anything with Write(char)). A null text writes nothing.
template <class Writer>
void LURIEncodeToWriterDirect(Writer& writer, const char* text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    for (const char* p = text; p != nullptr && *p != 0; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        const bool kept = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                          (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' ||
                          byte == '.' || byte == '!' || byte == '~';
        if (kept) {
            writer.Write(*p);
        } else {
            writer.Write('%');
            writer.Write(kHexDigits[byte >> 4]);
            writer.Write(kHexDigits[byte & 0x0F]);
        }
    }
}

// Encodes into a 260-byte buffer: at most 259 characters (an escape that does not fit whole is
// cut there) and the terminating zero.
void LURIEncode(char (&buffer)[LTextBufferSize], const char* text);
