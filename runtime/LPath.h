#pragma once

#include <string>

// Path arithmetic on byte strings of any length. When a path is taken apart, both '/' and '\\'
// separate its components (stored names use either); joining always inserts '/'.

bool LPathIsSeparator(char c);

// folder, then '/' unless folder is empty or already ends in a separator, then name and suffix.
std::string LPathAppend(const std::string& folder, const std::string& name,
                        const std::string& suffix = {});

// Everything before the last separator: "/a/b.txt" gives "/a". A path whose only separator
// leads gives that separator alone (the root); a bare name gives "".
std::string LPathGetFolder(const std::string& path);

// Everything after the last separator.
std::string LPathGetFileName(const std::string& path);

// The last component from its last '.', dot included; "" when it has none.
std::string LPathGetExtension(const std::string& path);

// The last component cut at its last '.', unless that dot begins it (".profile" stays).
std::string LPathGetTitle(const std::string& path);

// The path cut at the last '.' of its last component, then extension. A component without a
// dot, or whose only dot begins it (a hidden name), keeps its whole name.
std::string LPathReplaceExtension(const std::string& path, const std::string& extension);

// The characters before the first separator at index 2 or later ("/Volumes/Disk/x" gives
// "/Volumes"); the whole path when there is none.
std::string LPathGetTopFolder(const std::string& path);
