#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file, or "" when it cannot be read.
inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Makes or replaces a file holding exactly data.
inline void WriteAll(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}
