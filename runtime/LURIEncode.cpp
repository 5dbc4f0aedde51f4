#include "LURIEncode.h"

#include "LFixedLengthStringWriterTemplate.h"

void LURIEncode(char (&buffer)[LTextBufferSize], const char* text) {
    LFixedLengthStringWriterTemplate<char> writer(buffer, LTextBufferMaxLength);
    LURIEncodeToWriterDirect(writer, text);
}
