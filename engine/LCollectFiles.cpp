#include "LCollectFiles.h"

#include "LCollectClassify.h"
#include "LContainerWriter.h"
#include "LEntryName.h"
#include "LFolderIterator.h"

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace {

// What lies at a path, as the collection needs to know it.
struct Status {
    bool exists = false;  // lstat worked
    bool isLink = false;
    bool followed = false;  // stat worked (the link, if any, leads somewhere)
    struct stat info {};    // followed status when there is one
};

Status StatusOf(const std::string& path) {
    Status status;
    struct stat own {};
    status.exists = lstat(path.c_str(), &own) == 0;
    status.isLink = status.exists && S_ISLNK(own.st_mode);
    status.followed = stat(path.c_str(), &status.info) == 0;
    return status;
}

bool IsFolder(const Status& status) {
    return status.followed && S_ISDIR(status.info.st_mode);
}

// FIFOs, sockets and devices: opening one may hang or has side effects, and its
// content is not a file's. A link to one is stored as the link it is.
bool IsSpecial(const Status& status) {
    return !status.isLink && status.followed && !S_ISDIR(status.info.st_mode) &&
           !S_ISREG(status.info.st_mode);
}

uint64_t SizeOf(const Status& status) {
    return status.followed ? static_cast<uint64_t>(status.info.st_size) : 0;
}

// Children are joined with '/' only: on Linux a '\' is part of a name.
std::string Child(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

std::string OwnName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithSlashes(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

class Collector {
public:
    Collector(LProcessInterface& processRun, LCryptData& job) : process(processRun), data(job) {}

    bool Item(const std::string& item) {
        Status status = StatusOf(item);
        if (IsFolder(status)) {
            // A link to a folder gets its own base folder too, so its folders are not
            // stored under names that begin with the whole path of the link.
            data.baseFolder = LCollectBaseFolder(item);
        }
        return Collect(item, status);
    }

private:
    bool Collect(const std::string& path, const Status& status) {
        if (IsFolder(status)) {
            return Folder(path, status);
        }
        if (IsSpecial(status)) {
            LeftOut(path, "not a file, folder or link (a FIFO, socket or device); left out");
            return true;
        }
        data.totalBytes += SizeOf(status);
        if (OwnName(path).find('\\') != std::string::npos) {
            LeftOut(path, "the name holds a '\\'; it will be restored as " +
                              LEntryNameLastComponent(path));
        }
        LCollectClassify(data, path);
        return true;
    }

    bool Folder(const std::string& path, const Status& status) {
        std::pair<dev_t, ino_t> id{status.info.st_dev, status.info.st_ino};
        if (std::find(inside.begin(), inside.end(), id) != inside.end()) {
            return Loop(path, status);
        }
        std::string name = LCollectFolderName(path, data.baseFolder);
        if (!LContainerNameFits(name)) {
            LeftOut(path,
                    "the folder's name is longer than a container can store; "
                    "the folder and "
                    "everything in it were left out");
            return true;
        }
        if (process.IsToStop()) {
            return false;
        }
        if (OwnName(path).find('\\') != std::string::npos) {
            LeftOut(path, "the name holds a '\\'; it will be restored as " + WithSlashes(name));
        }
        data.folders.AddHead(LCryptFSFolder{path, name});
        inside.push_back(id);
        bool go = Entries(path);
        inside.pop_back();
        return go;
    }

    bool Entries(const std::string& path) {
        bool listed = false;
        for (LFolderIterator it(path); it.HasEntry(); it.Next()) {
            listed = true;
            const std::string& name = it.Name();
            if (name == "." || name == "..") {
                continue;
            }
            std::string child = Child(path, name);
            if (!Collect(child, StatusOf(child))) {
                return false;
            }
        }
        // Every folder that can be read lists at least "." and "..".
        if (!listed && access(path.c_str(), R_OK) != 0) {
            LeftOut(path, "the folder could not be read; its contents were left out");
        }
        return true;
    }

    // A folder that leads back into one the collection is inside: a link there is
    // kept as a link; anything else (a bind mount of a parent) would never end.
    bool Loop(const std::string& path, const Status& status) {
        if (status.isLink) {
            data.totalBytes += SizeOf(status);
            LCollectClassify(data, path);
        } else {
            LeftOut(path, "leads back into a folder it lies in; left out");
        }
        return true;
    }

    void LeftOut(const std::string& path, const std::string& reason) {
        data.leftOut.push_back(path + ": " + reason);
    }

    LProcessInterface& process;
    LCryptData& data;
    std::vector<std::pair<dev_t, ino_t>> inside;  // the folders on the way down
};

}  // namespace

std::string LCollectNormalPath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) {
        absolute = path;
    }
    std::string normal = absolute.lexically_normal().string();
    while (normal.size() > 1 && normal.ends_with('/')) {
        normal.pop_back();
    }
    return normal;
}

std::string LCollectBaseFolder(const std::string& item) {
    // Cut at the last '/' only: a '\' is part of a name here.
    size_t slash = item.rfind('/');
    std::string base =
        slash == std::string::npos ? std::string() : item.substr(0, slash == 0 ? 1 : slash);
    return base.ends_with('/') ? base : base + "/";
}

std::string LCollectFolderName(const std::string& path, const std::string& baseFolder) {
    return path.substr(std::min(baseFolder.size(), path.size()));
}

bool LCollectFiles(LProcessInterface& process, LCryptData& data) {
    data.folders.Clear();
    data.entryFiles.clear();
    data.zipFiles.clear();
    data.zipGroups.Clear();
    data.totalBytes = 0;
    data.baseFolder.clear();
    Collector collector(process, data);
    for (std::string& item : data.items) {
        item = LCollectNormalPath(item);
        if (!item.empty() && !collector.Item(item)) {
            return false;
        }
    }
    return true;
}
