#include "LFileNameClean.h"

#include <cstring>

namespace {

bool IsForbidden(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return (byte >= 1 && byte <= 31) || (byte != 0 && std::strchr("\"*/:<>?\\|", c) != nullptr);
}

}  // namespace

bool LFileNameClean(const std::string& source, std::string& destination) {
    std::string cleaned;
    cleaned.reserve(source.size());
    for (char c : source) {
        if (!IsForbidden(c)) {
            cleaned += c;
        }
    }
    destination = std::move(cleaned);
    return !destination.empty();
}
