#pragma once

#include <string>
#include <vector>

class LWindow;

enum class LChooserKind { Save, Open, OpenMultiple, Folder };

// A display name and its wildcard patterns, separated by ';' ("*.zel").
struct LFileFilter {
    std::string name;
    std::string patterns;

    bool operator==(const LFileFilter&) const = default;
};

using LFileFilters = std::vector<LFileFilter>;

// Everything a host needs to show one file or folder chooser.
struct LChooserRequest {
    LChooserKind kind = LChooserKind::Open;
    LWindow* parent = nullptr;
    bool sheet = false;
    std::string prompt;
    std::string folder;  // where it starts
    std::string name;    // the proposed file name (Save)
    LFileFilters filters;
    std::string defaultExtension;  // without the dot; "*" or empty for none
};

// The user's choice: absolute paths (one, except for OpenMultiple) and the 1-based index of
// the filter in use (0 when there are none).
struct LChooserAnswer {
    std::vector<std::string> paths;
    int filterIndex = 0;
};
