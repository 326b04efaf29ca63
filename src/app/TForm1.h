// The main window: owns every control of both pages, the timer, the four file dialogs, the
// settings image, the decoder state and the registry store; its methods are the event handlers.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/WidgetSet.h"
#include "decoder/BlockLoopHooks.h"
#include "decoder/DecoderState.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsPage.h"
#include "ui/Layout.h"
#include "widgets/Dispatcher.h"
#include "widgets/FileDialog.h"
#include "widgets/Focus.h"
#include "widgets/RegistryStore.h"

namespace vocset {

class TForm1 {
public:
    TForm1(Services& services, const vocset::Language& language);

    // Events of the window.
    void FormCreate();
    void FormShow();
    void FormClose();
    void ShowBuf();

    // Recording settings.
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void Edit1Exit();
    void Edit1KeyPress(char16_t& key);
    void ComboBox45Change();
    // Clock and alarms.
    void CheckBox4Click();
    void DateTimePicker1Click();
    void DateTimePicker1UserInput();
    void MaskEdit1Change();
    void MaskEdit1Click();
    void MaskEdit1KeyPress(char16_t& key);
    void CheckBox6Click();
    void CheckBox5Click();
    void CheckBox8Click();
    void ComboBox4Change();
    void Timer1Timer();
    // Settings file.
    void BitBtn1Click();
    void BitBtn2Click();
    // Decoding page.
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();

    // For the platform layer and the tests. Accessors named after the type they return hide that type
    // within TForm1, where it is spelled vocset::Language, vocset::Dispatcher...
    const vocset::Language& Language() const { return language_; }
    const std::vector<ControlSpec>& Layout() const { return layout_; }
    Control* Find(ControlId id) const { return widgets_.Find(id); }
    FileDialog& Dialog(ControlId id);
    vocset::Dispatcher& Dispatcher() { return dispatcher_; }
    vocset::Focus& Focus() { return focus_; }
    // The default buttons in the order in which Enter looks for one.
    std::span<BitBtn* const> DefaultButtons() const { return defaultButtons_; }
    // The alarm lists and the other lists, by their number: ComboBox(n).
    ComboBox& ComboBoxNumber(int number) const { return widgets_.Get<ComboBox>(ComboBoxId(number)); }
    ComboBox& AlarmList(int row, AlarmColumn column) const { return widgets_.Get<ComboBox>(AlarmListId(row, column)); }
    vocset::SettingsImage& SettingsImage() { return settingsImage_; }
    bool RegistryStoreExists() const { return registry_ != nullptr; }

private:
    Services& services_;
    const vocset::Language& language_;
    std::vector<ControlSpec> layout_;
    WidgetSet widgets_;
    vocset::Dispatcher dispatcher_;
    vocset::Focus focus_;

public:
    PageControl& PageControl1;
    TabSheet& TabSheet1;
    TabSheet& TabSheet2;
    GroupBox& GroupBox1;
    GroupBox& GroupBox2;
    Panel& Panel1;
    Panel& Panel4;
    Panel& Panel5;
    CheckBox& CheckBox1;
    CheckBox& CheckBox2;
    CheckBox& CheckBox3;
    CheckBox& CheckBox4;
    CheckBox& CheckBox5;
    CheckBox& CheckBox6;
    CheckBox& CheckBox7;
    CheckBox& CheckBox8;
    CheckBox& CheckBox9;
    ComboBox& ComboBox1;
    ComboBox& ComboBox2;
    ComboBox& ComboBox3;
    ComboBox& ComboBox4;
    ComboBox& ComboBox45;
    ComboBox& ComboBox46;
    ComboBox& ComboBox47;
    ComboBox& ComboBox48;
    ComboBox& ComboBox49;
    Label& Label1;
    Label& Label3;
    Label& Label5;
    Label& Label6;
    Label& Label7;
    Label& Label8;
    Label& Label9;
    Label& Label10;
    Label& Label20;
    Edit& Edit1;
    Edit& Edit2;
    Edit& Edit3;
    Edit& Edit4;
    MaskEdit& MaskEdit1;
    DateTimePicker& DateTimePicker1;
    BitBtn& BitBtn1;
    BitBtn& BitBtn2;
    BitBtn& BitBtn3;
    BitBtn& BitBtn4;
    BitBtn& BitBtn5;
    BitBtn& BitBtn6;
    ProgressBar& ProgressBar1;
    Timer& Timer1;
    FileDialog OpenDialog1;
    FileDialog SaveDialog1;
    FileDialog OpenDialog2;
    FileDialog SaveDialog2;

private:
    void BindHandlers();
    SettingsPage SettingsControls() const;
    // The registry store; after FormClose freed it, a closed one that holds no key.
    RegistryStore& Store();
    // Runs the dialog on "duza.ini" in the current folder; true when the user chose a file of that
    // name in any case, after showing `wrongName` for another name.
    bool ChooseSettingsFile(FileDialog& dialog, TextId wrongName);
    // Whether the lower-cased extension of the path is `extension`.
    bool HasExtension(const std::string& path, const char* extension);
    BlockLoopHooks RunHooks();
    bool CheckSignatureOf(const std::string& fileName);
    std::string RecorderNumberText() const;
    // Start hidden and Stop shown while a run lasts.
    void ShowRunButtons(bool running);
    // Start shown again during a run: Stop was pressed.
    bool StopPressed() const { return BitBtn5.Visible(); }
    // The computer's date and time into the date field and the time field.
    void ShowComputerTime();
    // The steps of ShowBuf that are more than one line.
    void ShowStoredGainOrSensitivity();
    // The image's date and time into the date field and the time field.
    void ShowStoredDateTime();
    void ShowStoredAlarmMode();
    void ShowStoredAlarmCount();
    void ShowStoredAlarmLists();
    void ShowStoredResolution();
    void ShowStoredVoiceActivation();
    // Enables the four lists of alarm rows 1 to `rows`, disables the others.
    void EnableAlarmRows(int rows);

    const TimeFormat timeFormat_;
    std::vector<BitBtn*> defaultButtons_;
    vocset::SettingsImage settingsImage_;
    DecoderState decoderState_;
    std::unique_ptr<RegistryStore> registry_;
    RegistryStore closedStore_;
};

}  // namespace vocset
