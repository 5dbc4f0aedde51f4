#pragma once

#include <cstddef>

// Size of the buffer every command writes its result text into.
constexpr size_t kAPIResultSize = 260;

// The entry of every command vector. It answers the test and version words itself and hands
// everything else to the interpreter of the layer above (EvAPICommand).
class LQORAPIServerGUILayer {
public:
    virtual ~LQORAPIServerGUILayer() = default;

    // -2 when no command was given, -1 for a failed API test, 0 for the words answered here;
    // otherwise what EvAPICommand returns. result holds kAPIResultSize bytes.
    int HandleAPICommand(int count, const char* const* words, char* result);

    virtual int EvAPICommand(int count, const char* const* words, char* result) = 0;
};
