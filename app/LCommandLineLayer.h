#pragma once

#include "LCommandOutcome.h"
#include "LProcessInterface.h"
#include "LQORAPIServerGUILayer.h"

// The interpreter of command vectors: reads the words, then starts one run (email, else
// decryption, else encryption) and writes its result text. What the text cannot say (a
// cancelled question, files left out) is kept in Outcome() for the caller.
class LCommandLineLayer : public LQORAPIServerGUILayer {
public:
    // Runs without a window (the quiet decryption) go through process when one is set,
    // else through a silent interface that never stops.
    void SetWindowlessProcess(LProcessInterface* process) { windowless = process; }
    // Whether questions can be asked at all; when not, a missing password cancels the run
    // with a line on stderr saying how to give it.
    void SetCanAsk(bool can) { canAsk = can; }

    int EvAPICommand(int count, const char* const* words, char* result) override;

    const LCommandOutcome& Outcome() const { return outcome; }
    bool ExitRequested() const { return exitRequested; }

private:
    LProcessInterface* windowless = nullptr;
    bool canAsk = true;
    LCommandOutcome outcome;
    bool exitRequested = false;
};
