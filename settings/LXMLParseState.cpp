#include "LXMLParseState.h"

LXMLParseState::LXMLParseState(const char* source, std::string& errorText)
    : text(source ? source : ""), error(errorText) {}

int LXMLParseState::ReadChar() {
    const unsigned char c = static_cast<unsigned char>(text[position]);
    if (stopped || c == 0) {
        return kEnd;
    }
    ++position;
    if (c != '\r' && c != '\n') {
        ++column;
        return c;
    }
    // CR LF and LF CR are one break each.
    const unsigned char following = static_cast<unsigned char>(text[position]);
    if ((following == '\r' || following == '\n') && following != c) {
        ++position;
    }
    ++line;
    column = 1;
    return '\n';
}

void LXMLParseState::SetError(const std::string& message) {
    if (!error.empty()) {
        return;
    }
    error = "Ln " + std::to_string(line) + ", Col " + std::to_string(column) + ": " + message;
    if (error.size() > kErrorTextLimit) {
        error.resize(kErrorTextLimit);
    }
}
