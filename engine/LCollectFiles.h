#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"

#include <string>

// An item as the run uses it: absolute, with "." and ".." resolved by the text
// alone and no trailing '/', so "Docs/" and "./Docs/." both name the folder
// Docs. "" stays "".
std::string LCollectNormalPath(const std::string& path);

// The base folder a top-level folder item gives the names of the folders below
// it: its parent, ending with '/' ("/Users/ann/Docs" gives "/Users/ann/",
// "/Data" gives "/").
std::string LCollectBaseFolder(const std::string& item);

// The name a collected folder is stored under: its path without the base folder ("/Data" under
// "/" is "Data", "/Users/ann/Docs/Sub" under "/Users/ann/" is "Docs/Sub").
std::string LCollectFolderName(const std::string& path, const std::string& baseFolder);

// Collects the file tree of data.items, which it normalises first: folders go
// to the front of data.folders as they are found (so the list is newest first),
// files and links go through LCollectClassify, and totalBytes sums their sizes.
// Hidden names are included. A folder that is already on the way down is not
// entered again (a link back to it is stored as a link); FIFOs, sockets and
// devices, folders whose names cannot be stored and folders that cannot be
// listed are reported in leftOut, as are names holding a '\', which readers
// take apart. False when the process was asked to stop.
bool LCollectFiles(LProcessInterface& process, LCryptData& data);
