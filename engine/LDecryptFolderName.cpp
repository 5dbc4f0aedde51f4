#include "LDecryptFolderName.h"

bool LDecryptFolderComponents(const std::string& stored, std::vector<std::string>& components) {
    components.clear();
    std::string name = stored;
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (!name.empty() && name.front() == '/') {
        name.erase(0, 1);
    }
    if (!name.empty() && name.front() == '/') {
        return false;
    }
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos) {
            end = name.size();
        }
        std::string component = name.substr(start, end - start);
        if (component == "..") {
            components.clear();
            return false;
        }
        if (!component.empty() && component != ".") {
            components.push_back(std::move(component));
        }
        start = end + 1;
    }
    return true;
}

std::string LDecryptFolderJoin(const std::vector<std::string>& components) {
    std::string joined;
    for (const std::string& component : components) {
        if (!joined.empty()) {
            joined += '/';
        }
        joined += component;
    }
    return joined;
}
