#pragma once

#include "LQORAPIServerGUILayer.h"

// The interpreter behind the command line. The runs it will start are still being built, so
// for now it says so for every command word.
class LCommandLineLayer : public LQORAPIServerGUILayer {
public:
    int EvAPICommand(int count, const char* const* words, char* result) override;
};
