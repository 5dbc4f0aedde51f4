#pragma once

#include "LChooserRequest.h"

#include <string>

class LTerminalDevice;

// A file or folder chooser as a path prompt on the terminal, with the place it would start at
// shown as the default that Return takes. Relative paths are taken from the current folder and
// "~/" is the home folder. What is typed is checked as the chooser would: an existing file to
// open, an existing folder, or a file to save in an existing folder (a folder typed there gets
// the proposed name, a name without an extension gets the default one, and replacing a file is
// asked first). Ctrl-C or the end of input cancels.
bool LTerminalChoose(const LTerminalDevice& terminal, const LChooserRequest& request,
                     LChooserAnswer& answer);

// The default the prompt shows for request.
std::string LTerminalChooserDefault(const LChooserRequest& request);
