#pragma once

#include <string>

class LWindow;

// The two askers of "File Exists", each with its own wording.
enum class LFileExistsWording {
    DecryptRun,      // the decrypt run: "Overwrite", "No", "Cancel"
    ExtractArchive,  // extracting "crypted.zip" after decryption: "Overwrite", "Skip", "Cancel"
};

// Asks whether the existing name is to be overwritten, with the tick "Do this for each file
// or folder.": 1 Overwrite, 3 No or Skip, 2 Cancel (also when it cannot be asked). tick is
// read and written back.
int LAskFileExists(LWindow* parent, const std::string& name, LFileExistsWording wording,
                   bool& tick);
