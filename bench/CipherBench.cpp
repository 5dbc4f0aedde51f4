#include "LBlowfish.h"
#include "LDes.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr unsigned int kBufferSize = 8192;

// One content block of a container per iteration, as the encrypt and decrypt runs use them.
template <typename Operation>
void RunOnBuffer(benchmark::State& state, Operation operation) {
    std::vector<unsigned char> buffer(kBufferSize, 0x5A);
    for (auto _ : state) {
        operation(buffer.data());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBufferSize);
}

void BM_BlowfishEncrypt8192(benchmark::State& state) {
    LBlowfishContext context;
    BlowfishInit(context, "benchmark password");
    RunOnBuffer(
        state, [&](unsigned char* buffer) { BlowfishEncryptBuffer(context, buffer, kBufferSize); });
}
BENCHMARK(BM_BlowfishEncrypt8192);

void BM_BlowfishDecrypt8192(benchmark::State& state) {
    LBlowfishContext context;
    BlowfishInit(context, "benchmark password");
    RunOnBuffer(
        state, [&](unsigned char* buffer) { BlowfishDecryptBuffer(context, buffer, kBufferSize); });
}
BENCHMARK(BM_BlowfishDecrypt8192);

// The DES operations recompute their round keys on every call; that cost is part of the figure.
void BM_DesEncrypt8192(benchmark::State& state) {
    LDesContext context;
    DesKeyText(context, "benchmark password");
    RunOnBuffer(state,
                [&](unsigned char* buffer) { DesEncryptBuffer(context, buffer, kBufferSize); });
}
BENCHMARK(BM_DesEncrypt8192);

void BM_DesDecrypt8192(benchmark::State& state) {
    LDesContext context;
    DesKeyText(context, "benchmark password");
    RunOnBuffer(state,
                [&](unsigned char* buffer) { DesDecryptBuffer(context, buffer, kBufferSize); });
}
BENCHMARK(BM_DesDecrypt8192);

}  // namespace
