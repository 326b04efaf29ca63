// Every scenario of the driver, by name, in the order they run.
#include "Scenarios.h"

#include "DecodingPageScenarios.h"
#include "ReadSettingsScenarios.h"
#include "SettingsFileScenarios.h"
#include "SettingsRulesScenarios.h"

namespace e2e {

namespace {

constexpr Scenario kScenarios[] = {
    {L"initial_window", InitialWindow},
    {L"first_run_creates_key", FirstRunCreatesKey},
    {L"stored_password_shown", StoredPasswordShown},
    {L"save_settings_file", SaveSettingsFile},
    {L"save_under_other_name", SaveUnderOtherName},
    {L"save_over_read_only", SaveOverReadOnly},
    {L"save_over_held_file", SaveOverHeldFile},
    {L"voice_activation_rule", VoiceActivationRule},
    {L"alarms_need_the_clock", AlarmsNeedTheClock},
    {L"alarm_count_saved", AlarmCountSaved},
    {L"password_keeps_digits", PasswordKeepsDigits},
    {L"password_range_on_leaving", PasswordRangeOnLeaving},
    {L"enter_in_password_saves", EnterInPasswordSaves},
    {L"password_kept_across_switching", PasswordKeptAcrossSwitching},
    {L"system_time_follows_clock", SystemTimeFollowsClock},
    {L"system_time_runs_in_dialog", SystemTimeRunsInDialog},
    {L"system_time_runs_in_background", SystemTimeRunsInBackground},
    {L"typed_time_sets_picker", TypedTimeSetsPicker},
    {L"settings_shown_at_start", SettingsShownAtStart},
    {L"invalid_date_box_before_window", InvalidDateBoxBeforeWindow},
    {L"clock_box_before_window", ClockBoxBeforeWindow},
    {L"read_settings_file", ReadSettingsFile},
    {L"read_settings_refused", ReadSettingsRefused},
    {L"enter_clicks_start", EnterClicksStart},
    {L"target_folder_remembered", TargetFolderRemembered},
    {L"password_shared_with_other_variant", PasswordSharedWithOtherVariant},
    {L"decrypt_to_proposed_target", DecryptToProposedTarget},
    {L"check_wav_recordings", CheckWavRecordings},
    {L"stop_during_decryption", StopDuringDecryption},
    {L"missing_source_typed", MissingSourceTyped},
    {L"decrypt_onto_full_disk", DecryptOntoFullDisk},
    {L"report_onto_full_disk", ReportOntoFullDisk},
};

}  // namespace

std::span<const Scenario> AllScenarios() { return kScenarios; }

}  // namespace e2e
