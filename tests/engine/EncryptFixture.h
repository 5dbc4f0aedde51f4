#pragma once

#include "LContainerReader.h"
#include "LCryptData.h"
#include "LEncryptProcess.h"
#include "LProcessInterfaceSilent.h"
#include "LScriptedHost.h"
#include "LUIHost.h"
#include "TestFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// Sets an environment variable for its lifetime and puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* variable, const std::string& value) : name(variable) {
        const char* old = std::getenv(variable);
        saved = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv(variable, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (saved) {
            setenv(name.c_str(), saved->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name;
    std::optional<std::string> saved;
};

// What a run said and when it asked to stop; it can answer yes from the
// stopAfter-th query on.
class EncryptRecorder : public LProcessInterfaceSilent {
public:
    int stopAfter = -1;
    int queries = 0;
    std::vector<std::string> status0;
    std::vector<std::string> status1;
    std::vector<double> progress;
    bool IsToStop() override { return stopAfter >= 0 && queries++ >= stopAfter; }
    void SetProgress(double fraction) override { progress.push_back(fraction); }
    void SetStatus(const char* text, int line) override {
        (line == 0 ? status0 : status1).push_back(text);
    }
};

// One entry of a container as a test states it: "F name size content", "D
// name", "L name -> target".
inline std::vector<std::string> ContainerEntries(const std::string& path,
                                                 const char* password = "secret") {
    std::vector<std::string> entries;
    LContainerReader reader;
    if (reader.Open(path, password) != LContainerReadOK) {
        return {"(cannot open)"};
    }
    LContainerEntry entry;
    LContainerReadResult result;
    while ((result = reader.Next(entry)) == LContainerReadOK) {
        if (entry.type == LContainerEntryFolder) {
            entries.push_back("D " + entry.name);
        } else if (entry.type == LContainerEntryLink) {
            std::string target;
            reader.ReadLinkTarget(target);
            entries.push_back("L " + entry.name + " -> " + target);
        } else {
            std::string content;
            unsigned char block[kContainerBlockSize];
            uint32_t bytes = 0;
            while (reader.ReadBlock(block, bytes) == LContainerReadOK) {
                content.append(reinterpret_cast<char*>(block), bytes);
            }
            entries.push_back("F " + entry.name + " " + std::to_string(entry.size) + " " +
                              content.substr(0, 16));
        }
    }
    if (result != LContainerReadEnd) {
        entries.push_back("(damaged: " + reader.ErrorText() + ")");
    }
    return entries;
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names in a folder, hidden ones included.
inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

inline bool RunningAsRoot() {
    return geteuid() == 0;
}

// A run in private surroundings: its own settings, temporary root and home
// folder, a scripted host for its questions, and a job record with the password
// "secret" writing into out/.
class EncryptTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home / "Documents");
        std::filesystem::create_directories(work / "out");
        data.password = "secret";
    }
    void TearDown() override {
        EXPECT_THAT(host.Faults(), ::testing::IsEmpty());
        EXPECT_TRUE(host.ScriptDone());
        // Whatever way a run ended, nothing temporary is left behind.
        EXPECT_THAT(FolderNames(temp.Path()), ::testing::IsEmpty());
    }

    LProcessResult Run() {
        LEncryptProcess run{&data};
        return Process(process, run);
    }

    TestFolder work;
    TestFolder temp;
    TestFolder settings;
    TestFolder home;
    ScopedEnvironment tempRoot{"ZEL_TMPDIR", temp.Path()};
    ScopedEnvironment config{"XDG_CONFIG_HOME", settings.Path()};
    ScopedEnvironment homeFolder{"HOME", home.Path()};
    LScriptedHost host;
    LUIHostScope scope{host};
    EncryptRecorder process;
    LCryptData data;
};
