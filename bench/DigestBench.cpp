#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "LFileDigest.h"
#include "LMD5.h"
#include "LSHA1.h"
#include "LSHA1Blocks.h"
#include "LTiger.h"

namespace {

constexpr size_t kFileSize = 64 * 1024 * 1024;

// The file every digest case hashes: ZEL_BENCH_FILE when set (bench/compare hands the tools the
// same file), else 64 MiB of random bytes made once in a private folder and removed at exit.
class BenchFile {
public:
    BenchFile() {
        if (const char* given = getenv("ZEL_BENCH_FILE"); given != nullptr && *given != '\0') {
            path = given;
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "zelbench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        folder = pattern;
        path = folder + "/data";
        std::mt19937_64 random(42);
        std::vector<uint64_t> words(kFileSize / sizeof(uint64_t));
        for (uint64_t& word : words) {
            word = random();
        }
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(words.data()), kFileSize);
    }
    ~BenchFile() {
        if (!folder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;

    std::string path;

private:
    std::string folder;
};

const std::string& BenchFilePath() {
    static BenchFile file;
    return file.path;
}

template <typename Digest>
void RunOnFile(benchmark::State& state, Digest digest) {
    const std::string& path = BenchFilePath();
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        state.SkipWithError("no file to hash");
        return;
    }
    char result[49];
    for (auto _ : state) {
        digest(path, result);
        benchmark::DoNotOptimize(result);
    }
    if (result[0] == '\0') {
        state.SkipWithError("the file could not be read");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

void BM_MD5File(benchmark::State& state) {
    RunOnFile(state, LMD5FileCreateDigest);
}
BENCHMARK(BM_MD5File)->Unit(benchmark::kMillisecond);

void BM_SHA1File(benchmark::State& state) {
    RunOnFile(state, LSHA1FileCreateDigest);
}
BENCHMARK(BM_SHA1File)->Unit(benchmark::kMillisecond);

void BM_TigerFile(benchmark::State& state) {
    RunOnFile(state, LTigerFileCreateDigest);
}
BENCHMARK(BM_TigerFile)->Unit(benchmark::kMillisecond);

constexpr size_t kBufferSize = 8192;

// The algorithms alone on 8192-byte buffers, as `openssl speed` measures them: the file cases
// above also pay for copying the file out of the page cache.
template <typename Context, void (*Init)(Context&), void (*Update)(Context&, const void*, size_t)>
void RunOnBuffer(benchmark::State& state) {
    std::vector<unsigned char> buffer(kBufferSize, 0x5A);
    Context context;
    Init(context);
    for (auto _ : state) {
        Update(context, buffer.data(), buffer.size());
        benchmark::DoNotOptimize(context);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBufferSize));
}

void BM_MD5_8192(benchmark::State& state) {
    RunOnBuffer<LMD5Context, LMD5Init, LMD5Update>(state);
}
BENCHMARK(BM_MD5_8192);

void BM_SHA1_8192(benchmark::State& state) {
    RunOnBuffer<LSHA1Context, LSHA1Init, LSHA1Update>(state);
}
BENCHMARK(BM_SHA1_8192);

void BM_Tiger_8192(benchmark::State& state) {
    RunOnBuffer<LTigerContext, LTigerInit, LTigerUpdate>(state);
}
BENCHMARK(BM_Tiger_8192);

// The form this processor would use without the SHA instructions; compared with OpenSSL's
// SHA-1 with those instructions switched off.
void BM_SHA1WithoutSHAInstructions8192(benchmark::State& state) {
    const LSHA1BlocksFunction blocks = LSHA1BlocksWithoutSHAExtensions();
    std::vector<unsigned char> buffer(kBufferSize, 0x5A);
    uint32_t words[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    for (auto _ : state) {
        blocks(words, buffer.data(), buffer.size() / 64);
        benchmark::DoNotOptimize(words);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_SHA1WithoutSHAInstructions8192);

}  // namespace
