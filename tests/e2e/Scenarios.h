// Every scenario of the driver, by name, in the order they run.
#pragma once

#include <span>

#include "Scenario.h"

namespace e2e {

std::span<const Scenario> AllScenarios();

}  // namespace e2e
