#pragma once

#include <string>
#include <vector>

// The folders a stored folder name leads through below the destination. '\'
// separates like
// '/' (names come from other systems too), one leading separator is dropped,
// and empty and "." components are passed over. False when what is left is
// absolute or climbs with "..": such a folder would lie outside the
// destination.
bool LDecryptFolderComponents(const std::string& stored, std::vector<std::string>& components);

// The components joined with '/': the folder's name as the user sees it.
std::string LDecryptFolderJoin(const std::vector<std::string>& components);
