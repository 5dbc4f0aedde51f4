#pragma once

#include <string>

// The per-user preferences file, $XDG_CONFIG_HOME/zel/preferences.xml (~/.config/zel by
// default). A composed key "Section/Key" lives as the attribute "value" of the element Key inside
// the top-level element Section, as in the shared settings file. Names that the XML reader
// would not give back as they are (spaces, quotes, '/', '<', ...) are written %XX-encoded.

std::string LUserSettingsFolder();
std::string LUserSettingsPath();

// The whole stored text of a composed key; false, and value untouched, when it has none.
bool LUserSettingsRead(const std::string& composedKey, std::string& value);

// Stores the text under the composed key: a read-modify-write of the file under the lock file
// preferences.xml.lock, replacing the file atomically. False when nothing could be written,
// including when the file exists but cannot be read (it is left alone rather than lost).
bool LUserSettingsWrite(const std::string& composedKey, const std::string& value);
