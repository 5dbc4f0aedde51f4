#include "LExtractCompressed.h"

#include "LCommandOutputReader.h"
#include "LFileExistsQuestion.h"
#include "LPath.h"
#include "LZipCommand.h"

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

namespace {

// The entry's components below the destination; false when the name would leave it.
bool SafeComponents(const std::string& name, std::vector<std::string>& components) {
    std::string rest = name;
    if (!rest.empty() && rest.front() == '/') {
        rest.erase(0, 1);
    }
    std::stringstream parts(rest);
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part == "..") {
            return false;
        }
        if (!part.empty() && part != ".") {
            components.push_back(part);
        }
    }
    return !components.empty() && (rest.empty() || rest.front() != '/');
}

// Whether a folder on the way from destination to the entry's target is a symbolic link.
bool PassesThroughLink(const std::string& destination, const std::vector<std::string>& components) {
    std::string path = destination;
    for (size_t i = 0; i + 1 < components.size(); ++i) {
        path = LPathAppend(path, components[i]);
        struct stat status {};
        if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
            return true;
        }
    }
    return false;
}

// The decision kept from a ticked "File Exists" answer.
struct ExistsPolicy {
    bool tick = false;
    int last = 0;
};

}  // namespace

std::vector<std::string> LZipEntryNames(const std::string& archive) {
    std::vector<std::string> names;
    LCommandOutputReader reader;
    if (!reader.Open({"/usr/bin/unzip", "-Z1", archive})) {
        return names;
    }
    std::string output;
    char buffer[8192];
    while (size_t got = reader.Read(buffer, sizeof buffer)) {
        output.append(buffer, got);
    }
    if (reader.Close() != 0) {
        return {};
    }
    std::stringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty()) {
            names.push_back(line);
        }
    }
    return names;
}

bool LExtractCompressed(LWindow* parent, const std::string& archive, const std::string& destination,
                        std::vector<std::string>& leftOut) {
    ExistsPolicy policy;
    for (const std::string& name : LZipEntryNames(archive)) {
        std::vector<std::string> components;
        if (!SafeComponents(name, components)) {
            leftOut.push_back("\"" + name + "\" was not extracted: it would leave the folder.");
            continue;
        }
        if (PassesThroughLink(destination, components)) {
            leftOut.push_back("\"" + name + "\" was not extracted: its folder is a link.");
            continue;
        }
        std::string target = destination;
        for (const std::string& component : components) {
            target = LPathAppend(target, component);
        }
        struct stat status {};
        const bool exists = lstat(target.c_str(), &status) == 0;
        if (exists) {
            const int answer =
                policy.tick
                    ? policy.last
                    : LAskFileExists(parent, name, LFileExistsWording::ExtractArchive, policy.tick);
            if (answer == 2) {
                return false;
            }
            policy.last = answer;
            if (answer != 1) {
                continue;
            }
            // The tool would write through a link at the target; the link itself is replaced.
            if (S_ISLNK(status.st_mode)) {
                unlink(target.c_str());
            }
        }
        if (!LZipExtractCommand(archive, name, destination)) {
            leftOut.push_back("\"" + name + "\" could not be extracted.");
        }
    }
    return true;
}
