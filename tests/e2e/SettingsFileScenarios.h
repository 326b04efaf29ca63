// Scenarios of start-up and of the settings file "duza.ini".
#pragma once

#include "Scenario.h"

namespace e2e {

void InitialWindow(const Context& context);
void FirstRunCreatesKey(const Context& context);
void StoredPasswordShown(const Context& context);
void SaveSettingsFile(const Context& context);
void SaveUnderOtherName(const Context& context);
void SaveOverReadOnly(const Context& context);
void SaveOverHeldFile(const Context& context);

}  // namespace e2e
