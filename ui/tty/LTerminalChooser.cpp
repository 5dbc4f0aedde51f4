#include "LTerminalChooser.h"

#include "LPath.h"
#include "LTerminalDevice.h"
#include "LWildcardMatch.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// An absolute, lexically normal path for what was typed.
std::string Absolute(const std::string& typed) {
    std::string path = typed;
    const char* home = std::getenv("HOME");
    if (home != nullptr && (path == "~" || path.rfind("~/", 0) == 0)) {
        path = std::string(home) + path.substr(1);
    }
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) {
        return path;
    }
    std::string normal = absolute.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

int FilterIndexFor(const LFileFilters& filters, const std::string& path) {
    const std::string name = LPathGetFileName(path);
    for (size_t i = 0; i < filters.size(); ++i) {
        size_t start = 0;
        while (start <= filters[i].patterns.size()) {
            size_t end = filters[i].patterns.find(';', start);
            end = end == std::string::npos ? filters[i].patterns.size() : end;
            if (LWildcardMatch(filters[i].patterns.substr(start, end - start), name)) {
                return static_cast<int>(i) + 1;
            }
            start = end + 1;
        }
    }
    return filters.empty() ? 0 : 1;
}

// The file to save under for what was typed; nullopt (after saying why) when it cannot be.
std::optional<std::string> SavePath(const LTerminalDevice& terminal, const LChooserRequest& request,
                                    std::string path) {
    if (IsFolder(path)) {
        path = LPathAppend(path, request.name.empty() ? "Untitled" : request.name);
    }
    const std::string& extension = request.defaultExtension;
    if (!extension.empty() && extension != "*" && LPathGetExtension(path).empty()) {
        path += "." + extension;
    }
    if (!IsFolder(LPathGetFolder(path))) {
        terminal.Write("There is no folder " + LPathGetFolder(path) + "\n");
        return std::nullopt;
    }
    if (Exists(path)) {
        std::string line;
        const LTerminalReadResult read = terminal.ReadLine(
            "\"" + LPathGetFileName(path) + "\" already exists. Replace it? [y/N]: ", line, true);
        if (read != LTerminalReadResult::Line || (line != "y" && line != "Y" && line != "yes")) {
            return std::nullopt;
        }
    }
    return path;
}

// Whether path fits the chooser's kind, saying why not.
bool Acceptable(const LTerminalDevice& terminal, LChooserKind kind, const std::string& path) {
    if (kind == LChooserKind::Folder) {
        if (!IsFolder(path)) {
            terminal.Write("There is no folder " + path + "\n");
            return false;
        }
        return true;
    }
    if (!Exists(path) || IsFolder(path)) {
        terminal.Write("There is no file " + path + "\n");
        return false;
    }
    return true;
}

}  // namespace

std::string LTerminalChooserDefault(const LChooserRequest& request) {
    if (request.kind == LChooserKind::Save && !request.name.empty()) {
        return LPathAppend(request.folder, request.name);
    }
    return request.folder;
}

bool LTerminalChoose(const LTerminalDevice& terminal, const LChooserRequest& request,
                     LChooserAnswer& answer) {
    const std::string fallback = LTerminalChooserDefault(request);
    const std::string prompt = (request.prompt.empty() ? std::string("Path") : request.prompt) +
                               (fallback.empty() ? "" : " [" + fallback + "]") + ": ";
    answer.paths.clear();
    std::string line;
    while (terminal.ReadLine(answer.paths.empty() ? prompt : "Another file (Return ends): ", line,
                             true) == LTerminalReadResult::Line) {
        if (line.empty() && request.kind == LChooserKind::OpenMultiple && !answer.paths.empty()) {
            answer.filterIndex = FilterIndexFor(request.filters, answer.paths.front());
            return true;
        }
        const std::string typed = line.empty() ? fallback : line;
        if (typed.empty()) {
            continue;
        }
        std::string path = Absolute(typed);
        if (request.kind == LChooserKind::Save) {
            const std::optional<std::string> target = SavePath(terminal, request, path);
            if (!target) {
                continue;
            }
            answer.paths = {*target};
            answer.filterIndex = FilterIndexFor(request.filters, *target);
            return true;
        }
        if (!Acceptable(terminal, request.kind, path)) {
            continue;
        }
        answer.paths.push_back(path);
        if (request.kind != LChooserKind::OpenMultiple) {
            answer.filterIndex = FilterIndexFor(request.filters, path);
            return true;
        }
    }
    return false;
}
