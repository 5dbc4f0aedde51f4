#pragma once

#include "TestFolder.h"

#include <cstdlib>
#include <optional>
#include <string>

// Points the user settings at a private folder for its lifetime.
class PrivateSettings {
public:
    PrivateSettings() {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        saved = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    }
    ~PrivateSettings() {
        if (saved) {
            setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;

    const TestFolder& Folder() const { return folder; }

private:
    TestFolder folder;
    std::optional<std::string> saved;
};
