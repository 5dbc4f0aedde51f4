#pragma once

#include "LCryptData.h"
#include "LProcessResult.h"

#include <string>

// What the run produces at the container path.
enum class LOutputKind {
    Container,      // a ".zel" container
    SelfDecrypting  // a self-decrypting bundle (".app")
};

// Settles data.containerPath for locationType ("Crypto"/"OutputLocationType"):
// an empty path, or a bare name with location type 0 or 1, is asked for with
// the save chooser, starting in "Crypto"/"LastFolder" (which then remembers the
// chosen folder); a bare name with location type 2 goes into
// "Crypto"/"OutputLocation"; any other path stays. The result is made absolute.
// Stopped when the chooser is cancelled.
LProcessResult LOutputPathSettle(LCryptData& data, int locationType);

// An ".app" path (any case) makes a self-decrypting bundle; any other path gets
// the extension
// ".zel" in place of its own.
LOutputKind LOutputPathKind(std::string& containerPath);
