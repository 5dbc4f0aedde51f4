#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"
#include "LTempFolder.h"

// The two steps of a run with compression.

// Makes the empty archive in a private folder, which archiveFolder then owns
// (so it goes whichever way the run ends), and stores its path in data.zipPath.
// False, with data.errorText set, when it cannot be made.
bool LEncryptPrepareArchive(LCryptData& data, LTempFolder& archiveFolder);

// Packs data.zipFiles into the archive by the method of data.packByItem, then
// appends the archive to data.entryFiles and its size to data.totalBytes. A
// failure sets data.errorText to "Compressing of files failed.".
LProcessResult LEncryptPack(LProcessInterface& process, LCryptData& data);
