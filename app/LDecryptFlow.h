#pragma once

#include "LCommandOutcome.h"

#include <string>

class LWindow;

// The decrypt flow of the main window and of -decrypt without -quiet: asks for the container
// when path is empty, tests its extension and its password, settles the destination, runs the
// decryption under a progress window titled "Decrypting files" and offers to extract a
// restored "crypted.zip". Every message is shown on the host; the outcome's text is the
// flow's last message ("All files decrypted successfully.", "Invalid Password", ...), empty
// when the user cancelled. A password in ZEL_PASSWORD is used as if typed in the dialog.
LCommandOutcome LDecryptFlow(LWindow* parent, std::string path, bool canAsk);
