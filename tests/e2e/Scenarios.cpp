// Every scenario of the driver, by name, in the order they run.
#include "Scenarios.h"

#include "DecodingPageScenarios.h"
#include "SettingsFileScenarios.h"

namespace e2e {

namespace {

constexpr Scenario kScenarios[] = {
    {L"initial_window", InitialWindow},
    {L"first_run_creates_key", FirstRunCreatesKey},
    {L"stored_password_shown", StoredPasswordShown},
    {L"save_settings_file", SaveSettingsFile},
    {L"save_under_other_name", SaveUnderOtherName},
    {L"enter_clicks_start", EnterClicksStart},
    {L"target_folder_remembered", TargetFolderRemembered},
    {L"password_shared_with_other_variant", PasswordSharedWithOtherVariant},
    {L"decrypt_to_proposed_target", DecryptToProposedTarget},
    {L"check_wav_recordings", CheckWavRecordings},
    {L"stop_during_decryption", StopDuringDecryption},
    {L"missing_source_typed", MissingSourceTyped},
};

}  // namespace

std::span<const Scenario> AllScenarios() { return kScenarios; }

}  // namespace e2e
