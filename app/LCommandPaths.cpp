#include "LCommandPaths.h"

#include "LPath.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

std::string LCommandAbsolutePath(const std::string& operand) {
    if (operand.empty()) {
        return operand;
    }
    std::error_code error;
    fs::path path = fs::absolute(fs::path(operand), error);
    if (error) {
        path = fs::path(operand);
    }
    std::string normal = path.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

namespace {

bool LiesInside(const std::string& item, const std::string& folder) {
    if (folder == "/") {
        return item.size() > 1;
    }
    return item.size() > folder.size() && item.compare(0, folder.size(), folder) == 0 &&
           item[folder.size()] == '/';
}

bool IsInsideEarlierFolder(const std::string& item, const std::vector<std::string>& kept) {
    return std::any_of(kept.begin(), kept.end(), [&](const std::string& earlier) {
        std::error_code error;
        return LiesInside(item, earlier) && fs::is_directory(earlier, error);
    });
}

}  // namespace

bool LCommandTidyItems(std::vector<std::string>& items, std::string& sameName) {
    std::vector<std::string> kept;
    std::set<std::string> names;
    for (const std::string& item : items) {
        if (item.empty() || std::find(kept.begin(), kept.end(), item) != kept.end() ||
            IsInsideEarlierFolder(item, kept)) {
            continue;
        }
        std::string name = LPathGetFileName(item);
        if (!names.insert(name).second) {
            sameName = name;
            return false;
        }
        kept.push_back(item);
    }
    items = std::move(kept);
    return true;
}
