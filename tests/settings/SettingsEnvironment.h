#pragma once

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "TestFolder.h"

// Points the per-user configuration and data folders at a private folder for one test, and
// puts the variables back afterwards.
class SettingsEnvironment : public testing::Test {
protected:
    SettingsEnvironment() {
        Set("XDG_CONFIG_HOME", folder / "config");
        Set("XDG_DATA_HOME", folder / "data");
        Set("HOME", folder / "home");
    }
    ~SettingsEnvironment() override {
        for (const auto& [name, value] : saved) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }

    void Set(const std::string& name, const std::string& value) {
        if (!saved.count(name)) {
            const char* old = std::getenv(name.c_str());
            saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        setenv(name.c_str(), value.c_str(), 1);
    }

    static std::string ReadFile(const std::string& path) { return ReadAll(path); }
    static void WriteFile(const std::string& path, const std::string& content) {
        WriteAll(path, content);
    }

    TestFolder folder;

private:
    std::map<std::string, std::optional<std::string>> saved;
};
