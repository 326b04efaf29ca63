// Hooks for the block loops that record what the window would see, and press Stop when told.
#pragma once

#include <functional>
#include <vector>

#include "decoder/BlockLoopHooks.h"

namespace vocset::testing {

struct LoopRecorder {
    std::vector<PumpMode> pumps;
    std::vector<int> progress;
    int stopAtPump = -1;  // Stop is pressed while messages are processed before this block (0 = first)
    std::function<void(int pump)> whilePumping;
    bool stopped = false;
    int stopTests = 0;

    BlockLoopHooks Hooks() {
        return {[this](PumpMode mode) {
                    const int pump = static_cast<int>(pumps.size());
                    pumps.push_back(mode);
                    if (pump == stopAtPump) stopped = true;
                    if (whilePumping) whilePumping(pump);
                },
                [this] {
                    ++stopTests;
                    return stopped;
                },
                [this](int position) { progress.push_back(position); }};
    }
    int LastProgress() const { return progress.empty() ? -1 : progress.back(); }
};

}  // namespace vocset::testing
