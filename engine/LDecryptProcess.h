#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"

// Restores every file, folder and link of the container at containerPath into
// the destination, asking for the destination and the password when the job
// record has none. Success when every entry was handled (those that could not
// be restored are listed in leftOut), Stopped when the user declined a question
// or stopped the run, Failed when the container cannot be read, is not a
// container, is damaged or refuses the password (errorText then says why,
// except for the first two, for which callers show their general failure).
LProcessResult Process(LProcessInterface& process, LDecryptProcess& params);
