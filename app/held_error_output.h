#pragma once

#include <cstdio>

namespace tarvelle::app {

// The error output, sent to a scratch file until the display has answered.
class HeldErrorOutput {
public:
    HeldErrorOutput();
    ~HeldErrorOutput() { release(true); }
    HeldErrorOutput(const HeldErrorOutput&) = delete;
    HeldErrorOutput& operator=(const HeldErrorOutput&) = delete;

    // Gives the error output back, and with `replay` writes out what was held.
    void release(bool replay);

private:
    std::FILE* held_ = nullptr;
    int saved_ = -1;
};

}  // namespace tarvelle::app
