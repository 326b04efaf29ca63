// Scenarios of the decoding page.
#pragma once

#include "Scenario.h"

namespace e2e {

// Registry values and dialogs (DecodingPageScenarios.cpp)
void EnterClicksStart(const Context& context);
void TargetFolderRemembered(const Context& context);
void PasswordSharedWithOtherVariant(const Context& context);
// Runs that end with their message (DecodingRunScenarios.cpp)
void DecryptToProposedTarget(const Context& context);
void CheckWavRecordings(const Context& context);
// Runs that Stop or an error ends (StopScenarios.cpp)
void StopDuringDecryption(const Context& context);
void MissingSourceTyped(const Context& context);
// Runs onto a disk that fills up (FullDiskScenarios.cpp)
void DecryptOntoFullDisk(const Context& context);
void ReportOntoFullDisk(const Context& context);

}  // namespace e2e
