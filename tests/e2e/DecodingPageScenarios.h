// Scenarios of the decoding page.
#pragma once

#include "Scenario.h"

namespace e2e {

void EnterClicksStart(const Context& context);

}  // namespace e2e
