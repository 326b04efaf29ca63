// The main window object: its widgets and dialogs, the handler bindings, start-up and shutdown.
#include "app/TForm1.h"

#include "app/RegistryNames.h"
#include "settings/SettingsFile.h"
#include "widgets/TimeText.h"

namespace vocset {

TForm1::TForm1(Services& services, const vocset::Language& language)
    : services_(services),
      language_(language),
      layout_(MainWindowLayout(language)),
      widgets_(layout_, language),
      dispatcher_(services.messages),
      PageControl1(widgets_.Get<PageControl>(ControlId::PageControl1)),
      TabSheet1(widgets_.Get<TabSheet>(ControlId::TabSheet1)),
      TabSheet2(widgets_.Get<TabSheet>(ControlId::TabSheet2)),
      GroupBox1(widgets_.Get<GroupBox>(ControlId::GroupBox1)),
      GroupBox2(widgets_.Get<GroupBox>(ControlId::GroupBox2)),
      Panel1(widgets_.Get<Panel>(ControlId::Panel1)),
      Panel4(widgets_.Get<Panel>(ControlId::Panel4)),
      Panel5(widgets_.Get<Panel>(ControlId::Panel5)),
      CheckBox1(widgets_.Get<CheckBox>(ControlId::CheckBox1)),
      CheckBox2(widgets_.Get<CheckBox>(ControlId::CheckBox2)),
      CheckBox3(widgets_.Get<CheckBox>(ControlId::CheckBox3)),
      CheckBox4(widgets_.Get<CheckBox>(ControlId::CheckBox4)),
      CheckBox5(widgets_.Get<CheckBox>(ControlId::CheckBox5)),
      CheckBox6(widgets_.Get<CheckBox>(ControlId::CheckBox6)),
      CheckBox7(widgets_.Get<CheckBox>(ControlId::CheckBox7)),
      CheckBox8(widgets_.Get<CheckBox>(ControlId::CheckBox8)),
      CheckBox9(widgets_.Get<CheckBox>(ControlId::CheckBox9)),
      ComboBox1(ComboBoxNumber(1)),
      ComboBox2(ComboBoxNumber(2)),
      ComboBox3(ComboBoxNumber(3)),
      ComboBox4(ComboBoxNumber(4)),
      ComboBox45(ComboBoxNumber(45)),
      ComboBox46(ComboBoxNumber(46)),
      ComboBox47(ComboBoxNumber(47)),
      ComboBox48(ComboBoxNumber(48)),
      ComboBox49(ComboBoxNumber(49)),
      Label1(widgets_.Get<Label>(LabelId(1))),
      Label3(widgets_.Get<Label>(LabelId(3))),
      Label5(widgets_.Get<Label>(LabelId(5))),
      Label6(widgets_.Get<Label>(LabelId(6))),
      Label7(widgets_.Get<Label>(LabelId(7))),
      Label8(widgets_.Get<Label>(LabelId(8))),
      Label9(widgets_.Get<Label>(LabelId(9))),
      Label10(widgets_.Get<Label>(LabelId(10))),
      Label20(widgets_.Get<Label>(LabelId(20))),
      Edit1(widgets_.Get<Edit>(ControlId::Edit1)),
      Edit2(widgets_.Get<Edit>(ControlId::Edit2)),
      Edit3(widgets_.Get<Edit>(ControlId::Edit3)),
      Edit4(widgets_.Get<Edit>(ControlId::Edit4)),
      MaskEdit1(widgets_.Get<MaskEdit>(ControlId::MaskEdit1)),
      DateTimePicker1(widgets_.Get<DateTimePicker>(ControlId::DateTimePicker1)),
      BitBtn1(widgets_.Get<BitBtn>(ControlId::BitBtn1)),
      BitBtn2(widgets_.Get<BitBtn>(ControlId::BitBtn2)),
      BitBtn3(widgets_.Get<BitBtn>(ControlId::BitBtn3)),
      BitBtn4(widgets_.Get<BitBtn>(ControlId::BitBtn4)),
      BitBtn5(widgets_.Get<BitBtn>(ControlId::BitBtn5)),
      BitBtn6(widgets_.Get<BitBtn>(ControlId::BitBtn6)),
      ProgressBar1(widgets_.Get<ProgressBar>(ControlId::ProgressBar1)),
      Timer1(widgets_.Get<Timer>(ControlId::Timer1)),
      OpenDialog1(FileDialogKind::Open, services.dialogs),
      SaveDialog1(FileDialogKind::Save, services.dialogs),
      OpenDialog2(FileDialogKind::Open, services.dialogs),
      SaveDialog2(FileDialogKind::Save, services.dialogs),
      timeFormat_(services.locale.LongTimeFormat()),
      defaultButtons_{&BitBtn1, &BitBtn4, &BitBtn5, &BitBtn6},
      closedStore_(services.registry) {
    for (const DialogSpec& row : MainWindowDialogs()) {
        FileDialog& dialog = Dialog(row.id);
        dialog.filter = row.filter;
        dialog.filterIndex = row.filterIndex;
        dialog.defaultExt = row.defaultExt;
        dialog.fileName = row.fileName;
    }
    // The time field's separators are the region's.
    MaskEdit1.SetTimeSeparator(TimeSeparatorOf(timeFormat_));
    BindHandlers();
}

void TForm1::BindHandlers() {
    auto bind = [this](void (TForm1::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    auto bindKey = [this](void (TForm1::*handler)(char16_t&)) {
        return [this, handler](char16_t& key) { (this->*handler)(key); };
    };
    CheckBox1.OnClick = bind(&TForm1::CheckBox1Click);
    CheckBox2.OnClick = bind(&TForm1::CheckBox2Click);
    CheckBox3.OnClick = bind(&TForm1::CheckBox3Click);
    Edit1.OnExit = bind(&TForm1::Edit1Exit);
    Edit1.OnKeyPress = bindKey(&TForm1::Edit1KeyPress);
    ComboBox45.OnChange = bind(&TForm1::ComboBox45Change);
    CheckBox4.OnClick = bind(&TForm1::CheckBox4Click);
    DateTimePicker1.OnClick = bind(&TForm1::DateTimePicker1Click);
    DateTimePicker1.OnUserInput = bind(&TForm1::DateTimePicker1UserInput);
    MaskEdit1.OnChange = bind(&TForm1::MaskEdit1Change);
    MaskEdit1.OnClick = bind(&TForm1::MaskEdit1Click);
    MaskEdit1.OnKeyPress = bindKey(&TForm1::MaskEdit1KeyPress);
    CheckBox6.OnClick = bind(&TForm1::CheckBox6Click);
    CheckBox5.OnClick = bind(&TForm1::CheckBox5Click);
    CheckBox8.OnClick = bind(&TForm1::CheckBox8Click);
    ComboBox4.OnChange = bind(&TForm1::ComboBox4Change);
    BitBtn2.OnClick = bind(&TForm1::BitBtn2Click);
    BitBtn1.OnClick = bind(&TForm1::BitBtn1Click);
    BitBtn3.OnClick = bind(&TForm1::BitBtn3Click);
    BitBtn4.OnClick = bind(&TForm1::BitBtn4Click);
    BitBtn5.OnClick = bind(&TForm1::BitBtn5Click);
    BitBtn6.OnClick = bind(&TForm1::BitBtn6Click);
    Timer1.OnTimer = bind(&TForm1::Timer1Timer);
}

FileDialog& TForm1::Dialog(ControlId id) {
    switch (id) {
    case ControlId::OpenDialog1: return OpenDialog1;
    case ControlId::SaveDialog1: return SaveDialog1;
    case ControlId::OpenDialog2: return OpenDialog2;
    case ControlId::SaveDialog2: return SaveDialog2;
    default: throw std::logic_error("no such dialog");
    }
}

SettingsPage TForm1::SettingsControls() const {
    auto row = [this](int k) {
        return AlarmRow{AlarmList(k, AlarmColumn::Day), AlarmList(k, AlarmColumn::Hour),
                        AlarmList(k, AlarmColumn::Minute), AlarmList(k, AlarmColumn::Duration)};
    };
    // clang-format off
    return SettingsPage{CheckBox1, CheckBox9, ComboBox49, CheckBox2, ComboBox1, ComboBox2, CheckBox3, Edit1,
                        ComboBox3, ComboBox45, CheckBox7, CheckBox4, DateTimePicker1, CheckBox5, CheckBox8,
                        {row(1), row(2), row(3), row(4), row(5), row(6), row(7), row(8), row(9), row(10)},
                        ComboBox47, ComboBox46, ComboBox48};
    // clang-format on
}

RegistryStore& TForm1::Store() { return registry_ ? *registry_ : closedStore_; }

void TForm1::FormCreate() {
    // The recorder offers neither "24 kHz" and "32 kHz" nor "20 bit".
    ComboBox3.DeleteItem(3);
    ComboBox3.DeleteItem(2);
    ComboBox45.DeleteItem(kResolution20Bit);

    // A "duza.ini" that cannot be opened is reported, and start-up goes on, so that the registry
    // store exists for every later handler.
    dispatcher_.Run([this] { ReadSettingsFile(kSettingsFileName, settingsImage_, services_.files); });

    registry_ = std::make_unique<RegistryStore>(services_.registry);
    if (!registry_->OpenKey(kRegistryKey))
        services_.messages.ShowMessage(language_.Text(TextId::RegistryKeyCreateError));
    if (registry_->ValueExists(kPasswordValue)) Edit4.SetText(registry_->ReadString(kPasswordValue));
}

void TForm1::FormShow() {
    if (settingsImage_.loaded == 1) ShowBuf();
}

void TForm1::FormClose() {
    if (!registry_) return;
    registry_->CloseKey();
    registry_.reset();
}

}  // namespace vocset
