#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets (or, with std::nullopt, removes) one environment variable for the life of a test and
// puts the old value back afterwards.
class TempEnvironment {
public:
    TempEnvironment(const char* variable, const std::optional<std::string>& value)
        : name(variable) {
        if (const char* old = std::getenv(name)) {
            oldValue = old;
        }
        Apply(value);
    }
    ~TempEnvironment() { Apply(oldValue); }
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    const char* name;
    std::optional<std::string> oldValue;
};
