#include "LFolderCreate.h"

#include "LFileStatus.h"
#include "LPath.h"

#include <sys/stat.h>
#include <vector>

bool LFolderCreate(const std::string& path, mode_t mode) {
    return !LFileExists(path) && mkdir(path.c_str(), mode) == 0;
}

bool LFolderCreateWithParents(const std::string& path, mode_t mode) {
    // The missing ancestors, nearest first, found without recursion so depth costs no stack.
    // A root that does not exist ("\\" taken as a separator) is its own parent: stop there.
    std::vector<std::string> missing;
    std::string child = path;
    for (std::string parent = LPathGetFolder(child);
         !parent.empty() && parent != child && !LFileExists(parent);
         child = parent, parent = LPathGetFolder(child)) {
        missing.push_back(parent);
    }
    for (auto ancestor = missing.rbegin(); ancestor != missing.rend(); ++ancestor) {
        // Another process may make the same ancestor at the same moment; that is no failure.
        if (!LFolderCreate(*ancestor, mode) && !LFolderExists(*ancestor)) {
            return false;
        }
    }
    return LFolderCreate(path, mode);
}
