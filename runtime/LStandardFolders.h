#pragma once

#include <string>

// The folders a desktop user expects the program to use, in their Linux (XDG) places.

// The current user's home folder from the password database; "/opt" when there is no entry.
std::string LGetUserHomeDirectory();

// The login name: LOGNAME, else USER, else "".
std::string LGetUserName();

// The user's data folder: XDG_DATA_HOME when it is an absolute path, else ~/.local/share
// (the home folder being HOME when it is absolute, else LGetUserHomeDirectory()).
std::string LGetUserDataFolder();

// LGetUserDataFolder() + "/QOR Software/Zel", every missing level created. A data folder made
// here is private (0700), as XDG asks; the two product levels get 0777 less the umask.
std::string LGetProductFolder();

// The product folder's "Shared" subfolder, created if missing; shared settings live there.
std::string GetSharedFolder();

// The running executable, found through /proc/self/exe; "" if that cannot be read.
std::string LGetBundleExeFile();

// The installation prefix: the folder above the one holding the executable (<prefix>/bin/zel),
// so the build tree and an installed tree look alike.
std::string LGetBundleFolder();

// The program's read-only resources: <prefix>/share/zel.
std::string LGetBundleResourcesFolder();

// path := name + ".app" in the "Applications" folder of the user's home when that folder
// exists, else in "/opt", where self-contained application folders go on Linux. True if
// something exists at path.
bool LGetApplicationPath(std::string& path, const std::string& name);
