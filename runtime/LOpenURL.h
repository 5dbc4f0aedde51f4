#pragma once

// Asks the desktop to open a URL (UTF-8) with its default application, through xdg-open.
// Nothing waits for it and nothing is reported.
void LOpenURL(const char* url);
