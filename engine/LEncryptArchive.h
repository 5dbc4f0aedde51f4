#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"
#include "LTempFolder.h"

// The two steps of a run with compression. Packing through the zip tools is not
// built yet: both answer so, in data.errorText, and the run fails before it
// collects anything.

// Makes the empty archive in a private folder, which archiveFolder then owns
// (so it goes whichever way the run ends), and stores its path in data.zipPath.
bool LEncryptPrepareArchive(LCryptData& data, LTempFolder& archiveFolder);

// Packs data.zipFiles into the archive by the method of data.packByItem, then
// appends the archive to data.entryFiles and its size to data.totalBytes.
LProcessResult LEncryptPack(LProcessInterface& process, LCryptData& data);
