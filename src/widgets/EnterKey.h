// Which button the Enter key clicks.
#pragma once

#include <span>

#include "widgets/Controls.h"

namespace vocset {

// A focused button takes Enter itself. Otherwise Enter, without Shift, Ctrl or Alt, clicks the
// first of the default buttons, in the order given, that is visible and enabled on the shown page.
// Returns null when Enter clicks nothing.
BitBtn* ButtonForEnter(Control* focused, std::span<BitBtn* const> defaultButtons, const Control* shownPage,
                       bool modifierHeld);

}  // namespace vocset
