#pragma once

#include "LContainerReader.h"
#include "LCryptData.h"
#include "LDecryptDestination.h"
#include "LDecryptOverwrite.h"
#include "LFileDescriptor.h"
#include "LProcessInterface.h"

#include <sys/types.h>
#include <string>

// Ends a run with a failure the user is told about, through the interface and
// errorText.
LProcessResult LDecryptFail(LProcessInterface& process, LCryptData& data, const std::string& text);

// Restores the entries of an opened container below the destination, one at a
// time, each checked before anything of it is written. Entries that cannot be
// restored are listed in the job record's leftOut and the run goes on; a
// container that turns out damaged, or a folder that would lie outside the
// destination, fails the run.
class LDecryptEntries {
public:
    LDecryptEntries(LProcessInterface& process, LContainerReader& reader,
                    const LDecryptDestination& destination, const std::string& destinationPath,
                    LCryptData& data);

    LProcessResult Run();

private:
    LProcessResult Fail(const std::string& text);
    LProcessResult EnterFolder(const LContainerEntry& entry);
    LProcessResult RestoreEntry(const LContainerEntry& entry);
    LProcessResult RestoreLink(const std::string& name, const std::string& path);
    LProcessResult RestoreFile(const LContainerEntry& entry, const std::string& name,
                               const std::string& path);
    LProcessResult LeaveOut(const std::string& line);
    LProcessResult EntryDone();
    std::string OutputPath(const std::string& name) const;

    LProcessInterface& process;
    LContainerReader& reader;
    const LDecryptDestination& destination;
    const std::string destinationPath;
    LCryptData& data;
    LDecryptOverwriteQuestion overwrite;
    LFileDescriptor folder;  // the current folder; not open when it could not be made
    std::string folderName;  // its name below the destination
    double progress = 0;
    double weight = 0;
    mode_t fileMode = 0;
};
