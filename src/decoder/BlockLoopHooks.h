// What the block loops of a run take from the window.
#pragma once

#include <functional>

#include "widgets/Services.h"

namespace vocset {

struct BlockLoopHooks {
    // Lets the window process its pending messages before a block.
    std::function<void(PumpMode)> processMessages;
    // True once Stop has been pressed: the Start button is visible again.
    std::function<bool()> stopPressed;
    // Moves the progress bar (0 to 100).
    std::function<void(int)> setProgress;
};

// What a loop does before each block: process the messages (the first block looks at the queue
// without fail, later ones let the platform skip a look that follows closely on the last), then test
// Stop. True when the loop may read the block.
inline bool MayReadNextBlock(const BlockLoopHooks& hooks, bool firstBlock) {
    hooks.processMessages(firstBlock ? PumpMode::Always : PumpMode::MayDefer);
    return !hooks.stopPressed();
}

}  // namespace vocset
