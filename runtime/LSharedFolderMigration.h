#pragma once

#include <string>

// Where older versions kept the shared folder for every user of the machine.
std::string LSharedFolderOlderLocation();

// Run once at every start. Unless the marker ".SharedFolderMigrated" is in the product folder's
// "Shared" subfolder: when olderLocation exists and that subfolder does not, the subfolder is
// created and the older tree copied into it; then the empty marker is created, so a later
// start copies nothing.
void LSharedFolderMigrate(const std::string& olderLocation);

// The same from LSharedFolderOlderLocation().
void LSharedFolderMigrate();
