// Scenarios of the settings page's rules, worked through clicks and typing.
#pragma once

#include "Scenario.h"

namespace e2e {

// Voice activation, alarms and the password (SettingsRulesScenarios.cpp)
void VoiceActivationRule(const Context& context);
void AlarmsNeedTheClock(const Context& context);
void AlarmCountSaved(const Context& context);
void PasswordKeepsDigits(const Context& context);
void PasswordRangeOnLeaving(const Context& context);
void EnterInPasswordSaves(const Context& context);
void PasswordKeptAcrossSwitching(const Context& context);
// The real-time clock's fields (ClockScenarios.cpp)
void SystemTimeFollowsClock(const Context& context);
void SystemTimeRunsInDialog(const Context& context);
void SystemTimeRunsInBackground(const Context& context);
void TypedTimeSetsPicker(const Context& context);

}  // namespace e2e
