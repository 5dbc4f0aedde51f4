#pragma once

#include <string>
#include <vector>

// Started without a terminal (from a file manager), the program runs itself
// again inside the first terminal emulator it finds: $TERMINAL,
// x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, xterm. The new
// copy knows from ZEL_SELFDECRYPT_WINDOW that its window closes when it ends,
// and waits for Enter first. True when an emulator ran it.
bool LSelfDecryptRelaunch(const std::string& program, const std::vector<std::string>& arguments);

// True in a copy started by LSelfDecryptRelaunch.
bool LSelfDecryptInOwnWindow();
