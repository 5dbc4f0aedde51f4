#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"
#include "LWriteFileRef.h"

// Writes the container of a collected job into output: the header, the files at
// the top level (those in no collected folder), then each folder from the front
// of data.folders with the files directly in it, all in entryFiles order, and
// finally the file count. The stop request is asked before every file and
// folder entry. Files that could not be read (wholly or in part) are noted in
// data.leftOut. Failed, with data.errorText set, when a write failed.
LProcessResult LEncryptWriteContainer(LProcessInterface& process, LCryptData& data,
                                      LWriteFileRef& output);
