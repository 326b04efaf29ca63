// Scenarios of showing a settings file in the controls: at start-up and by "Read configuration file".
#pragma once

#include "Scenario.h"

namespace e2e {

void SettingsShownAtStart(const Context& context);
void InvalidDateBoxBeforeWindow(const Context& context);
void ClockBoxBeforeWindow(const Context& context);
void ReadSettingsFile(const Context& context);
void ReadSettingsRefused(const Context& context);

}  // namespace e2e
