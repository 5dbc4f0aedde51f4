#pragma once

#include <string>
#include <vector>

// How one command ended, beyond its result text: whether the user cancelled a question
// (which writes no text), and what a run that otherwise succeeded left out.
struct LCommandOutcome {
    std::string text;  // the result text; empty when none is written
    bool cancelled = false;
    std::vector<std::string> leftOut;
};
