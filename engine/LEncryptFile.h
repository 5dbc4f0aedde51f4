#pragma once

#include "LContentCipher.h"
#include "LProcessInterface.h"
#include "LWriteFileRef.h"

// What became of one file given to EncryptFile.
enum LEncryptFileResult {
    LEncryptFileWritten,      // the whole file is in the container
    LEncryptFileIncomplete,   // in the container, but it could not be read to the end it had
    LEncryptFileUnreadable,   // could not be opened: no entry was written
    LEncryptFileStopped,      // a stop request ended its content early
    LEncryptFileWriteFailed,  // the container could not be written
};

// Writes one file or link entry for path at the output's current position. progress grows by
// weight. A link whose target can be read becomes a link entry holding the target text.
LEncryptFileResult EncryptFile(LProcessInterface& process, const char* path, double& progress,
                               double weight, LWriteFileRef& output, int algorithm,
                               const char* password);

// As above, with the content cipher keyed once by the caller for all the files of a run.
LEncryptFileResult EncryptFile(LProcessInterface& process, const char* path, double& progress,
                               double weight, LWriteFileRef& output, LContentCipher& cipher);
