// The encrypt and decrypt runs end to end on real files: one large file and a
// tree of many small ones. bench/compare-container runs them beside `openssl
// enc` and `tar | openssl enc` and reports peak memory; the data comes from
// ZEL_BENCH_LARGE_FILE and ZEL_BENCH_TREE, or is made here (64 MiB, and 10,000
// files) when they are not set.
#include "LDecryptProcess.h"
#include "LEncryptProcess.h"
#include "LProcessInterfaceSilent.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr uintmax_t kDefaultLargeSize = 64u << 20;
constexpr int kTreeFolders = 100;
constexpr int kTreeFilesPerFolder = 100;

// A folder for the benchmark's own files, removed at exit.
class Scratch {
public:
    Scratch() {
        const char* root = std::getenv("TMPDIR");
        std::string pattern =
            std::string(root != nullptr && *root ? root : "/var/tmp") + "/zelbench-XXXXXX";
        path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string path;
};

Scratch& ScratchFolder() {
    static Scratch scratch;
    return scratch;
}

std::string FromEnvironmentOr(const char* variable, const std::string& fallback) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? value : fallback;
}

// Content that no cipher or file system shortcut treats specially.
void WritePattern(const std::string& path, uintmax_t size, unsigned seed) {
    std::ofstream out(path, std::ios::binary);
    std::string block(1 << 16, '\0');
    uint32_t state = seed * 2654435761u + 1;
    for (uintmax_t written = 0; written < size; written += block.size()) {
        for (char& c : block) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min<uintmax_t>(block.size(), size - written)));
    }
}

const std::string& LargeFile() {
    static const std::string path = [] {
        std::string made = ScratchFolder().path + "/large.bin";
        std::string given = FromEnvironmentOr("ZEL_BENCH_LARGE_FILE", "");
        if (given.empty()) {
            WritePattern(made, kDefaultLargeSize, 1);
        }
        return given.empty() ? made : given;
    }();
    return path;
}

// 10,000 files of 1 to 8 KiB in 100 folders.
const std::string& Tree() {
    static const std::string path = [] {
        std::string given = FromEnvironmentOr("ZEL_BENCH_TREE", "");
        if (!given.empty()) {
            return given;
        }
        std::string made = ScratchFolder().path + "/tree";
        for (int folder = 0; folder < kTreeFolders; ++folder) {
            std::string sub = made + "/folder" + std::to_string(folder);
            fs::create_directories(sub);
            for (int file = 0; file < kTreeFilesPerFolder; ++file) {
                unsigned seed = static_cast<unsigned>(folder * kTreeFilesPerFolder + file);
                WritePattern(sub + "/file" + std::to_string(file), 1024 + seed * 613 % 7169, seed);
            }
        }
        return made;
    }();
    return path;
}

uintmax_t BytesUnder(const std::string& path) {
    if (!fs::is_directory(path)) {
        return fs::file_size(path);
    }
    uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(path)) {
        if (entry.is_regular_file()) {
            total += entry.file_size();
        }
    }
    return total;
}

bool Encrypt(const std::string& item, const std::string& container) {
    LCryptData data;
    data.items = {item};
    data.containerPath = container;
    data.password = "benchmark password";
    LEncryptProcess run{&data};
    LProcessInterfaceSilent silent;
    return Process(silent, run) == LProcessResultSuccess;
}

bool Decrypt(const std::string& container, const std::string& destination) {
    LCryptData data;
    data.containerPath = container;
    data.password = "benchmark password";
    data.destination = destination;
    data.quiet = 1;
    LDecryptProcess run{&data};
    LProcessInterfaceSilent silent;
    return Process(silent, run) == LProcessResultSuccess;
}

void EncryptCase(benchmark::State& state, const std::string& item) {
    const std::string container = ScratchFolder().path + "/out.zel";
    for (auto _ : state) {
        if (!Encrypt(item, container)) {
            state.SkipWithError("encryption failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BytesUnder(item)));
}

void DecryptCase(benchmark::State& state, const std::string& item) {
    const std::string container = ScratchFolder().path + "/in.zel";
    const std::string destination = ScratchFolder().path + "/restored";
    if (!Encrypt(item, container)) {
        state.SkipWithError("encryption failed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(destination);
        fs::create_directories(destination);
        state.ResumeTiming();
        if (!Decrypt(container, destination)) {
            state.SkipWithError("decryption failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BytesUnder(item)));
    fs::remove_all(destination);
}

void BM_EncryptLargeFile(benchmark::State& state) {
    EncryptCase(state, LargeFile());
}
BENCHMARK(BM_EncryptLargeFile)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_DecryptLargeFile(benchmark::State& state) {
    DecryptCase(state, LargeFile());
}
BENCHMARK(BM_DecryptLargeFile)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_EncryptTree(benchmark::State& state) {
    EncryptCase(state, Tree());
}
BENCHMARK(BM_EncryptTree)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_DecryptTree(benchmark::State& state) {
    DecryptCase(state, Tree());
}
BENCHMARK(BM_DecryptTree)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
