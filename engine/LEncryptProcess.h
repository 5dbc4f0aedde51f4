#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"

// The encryption run: collects data->items, settles the container path (asking
// for it when needed), checks the free space, writes the container into a
// private temporary folder on the target's file system and moves it into place.
// Success once the container is in place (what was left out is in leftOut);
// Stopped when the user stopped or declined the save chooser; Failed with
// data->errorText saying why. Nothing temporary outlives the run, and nothing
// appears at the container path unless the run succeeds.
LProcessResult Process(LProcessInterface& process, LEncryptProcess& run);
