// What the block loops of a run take from the window.
#pragma once

#include <functional>

#include "widgets/Services.h"

namespace vocset {

struct BlockLoopHooks {
    // Lets the window process its pending messages before a block.
    std::function<void(PumpMode)> processMessages;
    // True once Stop has been pressed: the Start button is visible again.
    std::function<bool()> stopRequested;
    // Moves the progress bar (0 to 100).
    std::function<void(int)> setProgress;
};

}  // namespace vocset
