#pragma once

#include "TestFiles.h"

#include "ContainerBytes.h"
#include "LContainerHeader.h"
#include "LContainerWriter.h"
#include "LCryptData.h"
#include "LDecryptProcess.h"
#include "LEncryptFile.h"
#include "LFileDescriptor.h"
#include "LProcessInterfaceSilent.h"
#include "LScriptedHost.h"
#include "TestFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace decrypt_test {

inline std::string Pattern(size_t length, unsigned seed = 1) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>((i * 131 + seed * 7 + (i >> 9)) & 0xFF);
    }
    return text;
}

inline std::string Save(const std::string& path, const ContainerBytes& container) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(container.bytes.data()),
               static_cast<std::streamsize>(container.bytes.size()));
    return path;
}

// A folder entry and the files that lie directly inside it.
struct SourceFolder {
    std::string name;
    std::vector<std::string> files;
};

// A container laid out as an encryption lays it out: the top-level files, then
// each folder entry followed by its files, then the count of file and link
// entries.
inline void WriteContainer(const std::string& path, int algorithm, const char* password,
                           const std::vector<std::string>& topFiles,
                           const std::vector<SourceFolder>& folders) {
    LFileDescriptor fd(open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    LWriteFileRef output(fd.Get());
    LProcessInterfaceSilent silent;
    double progress = 0;
    uint32_t count = 0;
    auto add = [&](const std::string& file) {
        LEncryptFileResult result =
            EncryptFile(silent, file.c_str(), progress, 0.0, output, algorithm, password);
        ASSERT_TRUE(result == LEncryptFileWritten || result == LEncryptFileIncomplete) << file;
        ++count;
    };
    ASSERT_TRUE(LContainerWriteHeader(output, algorithm, password));
    for (const std::string& file : topFiles) {
        add(file);
    }
    for (const SourceFolder& folder : folders) {
        ASSERT_TRUE(LContainerWriteFolderEntry(output, folder.name));
        for (const std::string& file : folder.files) {
            add(file);
        }
    }
    ASSERT_TRUE(LContainerWriteFileCount(output, count));
}

// Everything below root, without following links: "dir", "link:TARGET",
// "file:CONTENT".
using Tree = std::map<std::string, std::string>;

inline Tree Snapshot(const std::string& root) {
    namespace fs = std::filesystem;
    Tree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().lexically_relative(root).string();
        if (entry.is_symlink()) {
            tree[name] = "link:" + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            tree[name] = "dir";
        } else {
            tree[name] = "file:" + ReadAll(entry.path().string());
        }
    }
    return tree;
}

// Records what a run reports, and asks it to stop at a given stop query.
class Recorder : public LProcessInterfaceSilent {
public:
    int stopAt = -1;  // the 0-based stop query that answers true
    int queries = 0;
    std::vector<std::string> errors;
    std::vector<std::string> status;  // "LINE:TEXT"
    std::vector<double> progress;

    bool IsToStop() override { return stopAt >= 0 && queries++ >= stopAt; }
    void SetError(const char* text) override { errors.emplace_back(text); }
    void SetStatus(const char* text, int line) override {
        status.push_back(std::to_string(line) + ":" + text);
    }
    void SetProgress(double fraction) override { progress.push_back(fraction); }
};

// One decryption in a private folder: the source files, the container, the
// destination and a place beside it that nothing may touch, with private user
// settings and a scripted host.
class DecryptTest : public ::testing::Test {
protected:
    DecryptTest() {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        savedConfig = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        for (const char* name : {"src", "dest", "outside"}) {
            std::filesystem::create_directory(root / name);
        }
        WriteAll(root / "outside/keep.txt", "outside");
        data.containerPath = root / "c.zel";
        data.destination = root / "dest";
        data.password = "secret";
    }
    ~DecryptTest() override {
        if (savedConfig) {
            setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    void TearDown() override {
        EXPECT_THAT(host.Faults(), ::testing::IsEmpty());
        EXPECT_TRUE(host.ScriptDone());
    }

    std::string Source(const std::string& name, const std::string& content) {
        const std::string path = root / ("src/" + name);
        WriteAll(path, content);
        return path;
    }

    LProcessResult Run() {
        LDecryptProcess params{&data};
        return Process(recorder, params);
    }

    std::string Dest(const std::string& name) const { return root / ("dest/" + name); }

    TestFolder root;
    LCryptData data;
    Recorder recorder;
    LScriptedHost host;
    LUIHostScope scope{host};

private:
    std::optional<std::string> savedConfig;
};

}  // namespace decrypt_test
