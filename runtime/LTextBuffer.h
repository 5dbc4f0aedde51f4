#pragma once

#include <cstddef>

// Paths and short texts of fixed records live in buffers of this many bytes: at most 259
// characters and the terminating zero. Copies into them are cut, never grown.
constexpr size_t LTextBufferSize = 260;
constexpr size_t LTextBufferMaxLength = LTextBufferSize - 1;
