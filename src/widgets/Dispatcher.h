// The one place where an error that no handler caught is shown, in the default error box.
#pragma once

#include <functional>

#include "widgets/Services.h"

namespace vocset {

class Dispatcher {
public:
    explicit Dispatcher(MessageBoxes& messages) : messages_(messages) {}
    // Runs one event of the user or the platform; an error ends it and is shown, and the program goes on.
    void Run(const std::function<void()>& event) noexcept;

private:
    MessageBoxes& messages_;
};

}  // namespace vocset
