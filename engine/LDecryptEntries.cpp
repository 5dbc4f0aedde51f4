#include "LDecryptEntries.h"

#include "LDecryptFolderName.h"
#include "LDecryptOutputFile.h"
#include "LEntryName.h"
#include "LFileCreationMask.h"
#include "LPath.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace {

constexpr uint64_t kProgressStep = 4096000;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string NotWritten(const std::string& path, int error) {
    return Quoted(path) + " could not be written: " + std::strerror(error) + ".";
}

bool IsLinkTo(int folder, const std::string& name, const std::string& target) {
    // One byte more than the target, so that a longer existing target cannot pass
    // for it.
    std::string existing(target.size() + 1, '\0');
    ssize_t length = readlinkat(folder, name.c_str(), existing.data(), existing.size());
    if (length < 0) {
        return false;
    }
    existing.resize(static_cast<size_t>(length));
    return existing == target;
}

}  // namespace

LDecryptEntries::LDecryptEntries(LProcessInterface& runner, LContainerReader& container,
                                 const LDecryptDestination& output, const std::string& outputPath,
                                 LCryptData& job)
    : process(runner),
      reader(container),
      destination(output),
      destinationPath(outputPath),
      data(job),
      weight(container.FileCount() == 0 ? 0.0 : 1.0 / container.FileCount()),
      fileMode(0777 & ~LFileCreationMask()) {}

LProcessResult LDecryptEntries::Run() {
    std::string reason;
    folder = destination.OpenFolder({}, reason);
    if (!folder.IsOpen()) {
        return Fail("Could not open the folder " + Quoted(destinationPath) + ": " + reason + ".");
    }
    for (;;) {
        if (process.IsToStop()) {
            return LProcessResultStopped;
        }
        LContainerEntry entry;
        LContainerReadResult read = reader.Next(entry);
        if (read == LContainerReadEnd) {
            return LProcessResultSuccess;
        }
        if (read != LContainerReadOK) {
            return Fail(reader.ErrorText());
        }
        LProcessResult result =
            entry.type == LContainerEntryFolder ? EnterFolder(entry) : RestoreEntry(entry);
        if (result != LProcessResultSuccess) {
            return result;
        }
    }
}

LProcessResult LDecryptFail(LProcessInterface& process, LCryptData& data, const std::string& text) {
    data.errorText = text;
    process.SetError(text.c_str());
    return LProcessResultFailed;
}

LProcessResult LDecryptEntries::Fail(const std::string& text) {
    return LDecryptFail(process, data, text);
}

LProcessResult LDecryptEntries::EnterFolder(const LContainerEntry& entry) {
    std::vector<std::string> components;
    if (!LDecryptFolderComponents(entry.name, components)) {
        return Fail("The container was refused: its folder " + Quoted(entry.name) +
                    " would lie outside the destination folder.");
    }
    folderName = LDecryptFolderJoin(components);
    std::string reason;
    folder = destination.OpenFolder(components, reason);
    if (!folder.IsOpen()) {
        data.leftOut.push_back("The folder " + Quoted(LPathAppend(destinationPath, folderName)) +
                               " could not be created: " + reason + ".");
    }
    return LProcessResultSuccess;
}

std::string LDecryptEntries::OutputPath(const std::string& name) const {
    return LPathAppend(LPathAppend(destinationPath, folderName), name);
}

LProcessResult LDecryptEntries::RestoreEntry(const LContainerEntry& entry) {
    const std::string name = LEntryNameLastComponent(entry.name);
    const std::string path = OutputPath(name);
    if (!folder.IsOpen()) {
        return LeaveOut(Quoted(path) + " was not decrypted: its folder could not be created.");
    }
    if (name.empty() || name == "." || name == "..") {
        return LeaveOut(Quoted(entry.name) + " was not decrypted: it has no usable file name.");
    }
    if (entry.type == LContainerEntryLink) {
        return RestoreLink(name, path);
    }
    if (!data.quiet && LDecryptNameExists(folder.Get(), name)) {
        switch (overwrite.Decide(path)) {
            case LDecryptOverwriteChoice::Cancel:
                return LProcessResultStopped;
            case LDecryptOverwriteChoice::Skip:
                return EntryDone();
            case LDecryptOverwriteChoice::Write:
                break;
        }
    }
    return RestoreFile(entry, name, path);
}

LProcessResult LDecryptEntries::RestoreLink(const std::string& name, const std::string& path) {
    process.SetStatus(path.c_str(), 1);
    std::string target;
    if (reader.ReadLinkTarget(target) != LContainerReadOK) {
        return Fail(reader.ErrorText());
    }
    if (target.empty()) {
        return LeaveOut("The link " + Quoted(path) + " was not created: it has no target.");
    }
    // A link never replaces anything: an existing name stays as it is.
    if (symlinkat(target.c_str(), folder.Get(), name.c_str()) != 0) {
        const int error = errno;
        if (error != EEXIST) {
            return LeaveOut("The link " + Quoted(path) +
                            " was not created: " + std::strerror(error) + ".");
        }
        if (!IsLinkTo(folder.Get(), name, target)) {
            return LeaveOut("The link " + Quoted(path) +
                            " was not created: something of that name already exists.");
        }
    }
    return EntryDone();
}

LProcessResult LDecryptEntries::RestoreFile(const LContainerEntry& entry, const std::string& name,
                                            const std::string& path) {
    LDecryptOutputFile file;
    if (!file.Create(folder.Get())) {
        return LeaveOut(NotWritten(path, errno));
    }
    process.SetStatus(name.c_str(), 1);
    unsigned char block[kContainerBlockSize];
    uint64_t done = 0;
    for (;;) {
        if (process.IsToStop()) {
            return LProcessResultStopped;
        }
        uint32_t contentBytes = 0;
        LContainerReadResult read = reader.ReadBlock(block, contentBytes);
        if (read == LContainerReadEnd) {
            break;
        }
        if (read != LContainerReadOK) {
            return Fail(reader.ErrorText());
        }
        if (!file.Write(block, contentBytes)) {
            return LeaveOut(NotWritten(path, errno));
        }
        done += kContainerBlockSize;
        if (done % kProgressStep == 0) {
            process.SetProgress(progress + weight * (static_cast<double>(done) /
                                                     static_cast<double>(entry.dataLength)));
        }
    }
    if (!file.Commit(name, fileMode)) {
        return LeaveOut(NotWritten(path, errno));
    }
    if (entry.Incomplete()) {
        return LeaveOut(Quoted(path) + " is incomplete: the container holds " +
                        std::to_string(entry.dataLength) + " of its " + std::to_string(entry.size) +
                        " bytes.");
    }
    return EntryDone();
}

LProcessResult LDecryptEntries::LeaveOut(const std::string& line) {
    data.leftOut.push_back(line);
    return EntryDone();
}

LProcessResult LDecryptEntries::EntryDone() {
    progress += weight;
    process.SetProgress(progress);
    return LProcessResultSuccess;
}
