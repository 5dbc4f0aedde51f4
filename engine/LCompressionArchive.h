#pragma once

#include "LTempFolder.h"

#include <string>

// Makes a new private folder holding "crypted.zip" as an empty archive, hands the folder to
// folder (which removes it however the run ends) and returns the archive's path; "" when the
// folder or the archive could not be made.
std::string LCompressionPrepareArchive(LTempFolder& folder);
