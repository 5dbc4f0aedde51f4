#pragma once

#include "LCommandOutputReader.h"
#include "LProcessInterfaceSilent.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// The names an archive holds, as unzip lists them, sorted.
inline std::vector<std::string> ZipNames(const std::string& archive) {
    LCommandOutputReader reader;
    std::string output;
    if (reader.Open({"/usr/bin/unzip", "-Z1", archive})) {
        char buffer[4096];
        size_t got;
        while ((got = reader.Read(buffer, sizeof buffer)) > 0) {
            output.append(buffer, got);
        }
    }
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
        names.push_back(output.substr(start, end - start));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A process interface that records errors and statuses, and can be told to
// stop, or to do something, when a given status shows.
class ZipRecorder : public LProcessInterfaceSilent {
public:
    std::vector<std::string> errors;
    std::vector<std::string> status0;
    std::vector<double> progress;
    std::string stopOn;  // a status text after which every stop query answers yes
    std::function<void(const std::string&)> onStatus;  // called on every status line
    bool stopping = false;

    bool IsToStop() override { return stopping; }
    void SetError(const char* text) override { errors.push_back(text); }
    void SetProgress(double fraction) override { progress.push_back(fraction); }
    void SetStatus(const char* text, int line) override {
        if (line == 0) {
            status0.push_back(text);
        }
        if (onStatus) {
            onStatus(text);
        }
        if (!stopOn.empty() && stopOn == text) {
            stopping = true;
        }
    }
};
