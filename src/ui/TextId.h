// Names of the texts that differ between the language variants.
#pragma once

#include <cstddef>

namespace vocset {

// clang-format off
enum class TextId : int {
    None = -1,
    AppTitle = 0,
    TabSheet1, TabSheet2, GroupBox1, GroupBox2,
    // Recording settings
    CheckBox1, CheckBox9, Label20, VoxHigh, VoxMiddle, VoxLow,
    CheckBox2, Label1, GainMinus12, GainMinus6, Gain0, Gain6, Gain12, Gain18,
    Label2, Size50, Size100, Size250, Size500, Size1000, Size1800,
    CheckBox3, Label3, Label4, Freq8, Freq16, Freq24, Freq32,
    Label14, ResolutionULaw, Resolution16, Resolution20, CheckBox7,
    // Clock and alarms
    CheckBox4, Label5, CheckBox6, CheckBox5, CheckBox8,
    Label6, Label7, Label9, Label10, Label8,
    Label15, Label16, Label17, Label18, Label19,
    BitBtn2, BitBtn1,
    // Decoding page
    Label11, BitBtn3, Label12, BitBtn4, Label13, BitBtn5, BitBtn6,
    // Messages of the settings page
    RegistryKeyCreateError, SavedFileShouldBeNamed, SettingsWriteCompleted, SettingsWriteError,
    SettingsReadComplete, SettingsNotFound, OpenedFileShouldBeNamed, PleaseSetupClock,
    EnterNumberInRange,
    // Messages of the decoding page
    UnableToWriteData, DecryptedTo, SignatureValid, SignatureNotValid, RecorderNumber,
    SignatureOfFile, FileSignatureValid, FileSignatureNotValid,
    MustSpecifyTargetAndPassword, DecryptionError, DecodingStopped,
    // The cue-tag report
    ReportTitle, ReportCount, ReportHeading,
    Count
};
// clang-format on

constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);

}  // namespace vocset
