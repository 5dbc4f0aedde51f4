#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"
#include "LProcessResult.h"

// Packs data.zipFiles into data.zipPath, one group of data.zipGroups at a time, each with its
// own working folder. Stopped or Failed as the first packing step that did not succeed (its
// reason given to SetError).
LProcessResult LCompressionPackByGroups(LProcessInterface& process, LCryptData& data);

// Packs data.zipFiles into data.zipPath with paths relative to the folder holding the chosen
// item each lies in, or to the file's own folder. Stops between files when asked; Failed at
// the first file that could not be added (its reason given to SetError).
LProcessResult LCompressionPackByItem(LProcessInterface& process, LCryptData& data);
