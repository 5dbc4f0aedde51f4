#pragma once

// Writes one byte to writer (anything with Write(char) and Write(const char*, size_t)) with
// the XML/HTML escapes.
template <class Writer>
void LHTMLEncodeCharacter(Writer& writer, char c) {
    switch (c) {
        case '&':
            writer.Write("&amp;", 5);
            break;
        case '<':
            writer.Write("&lt;", 4);
            break;
        case '>':
            writer.Write("&gt;", 4);
            break;
        case '"':
            writer.Write("&quot;", 6);
            break;
        default:
            writer.Write(c);
            break;
    }
}

// Writes text with "&amp;", "&lt;", "&gt;" and "&quot;" for the four characters that need
// them; every other byte, the apostrophe too, unaltered. A null text writes nothing.
template <class Writer>
void LHTMLEncodeToWriterSimple(Writer& writer, const char* text) {
    for (const char* p = text; p != nullptr && *p != 0; ++p) {
        LHTMLEncodeCharacter(writer, *p);
    }
}

// As LHTMLEncodeToWriterSimple, with every line break (CR LF, a lone CR, a lone LF) written
// as one line feed.
template <class Writer>
void LHTMLEncodeToWriterSimpleWithEol(Writer& writer, const char* text) {
    for (const char* p = text; p != nullptr && *p != 0; ++p) {
        if (*p == '\r' || *p == '\n') {
            writer.Write('\n');
            if (p[0] == '\r' && p[1] == '\n') {
                ++p;
            }
        } else {
            LHTMLEncodeCharacter(writer, *p);
        }
    }
}
