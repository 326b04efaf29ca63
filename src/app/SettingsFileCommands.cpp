// The settings file's commands: "Save configuration file" and "Read configuration file".
#include "app/TForm1.h"
#include "base/Paths.h"
#include "settings/SettingsFile.h"

namespace vocset {

bool TForm1::ChooseSettingsFile(FileDialog& dialog, TextId wrongName) {
    dialog.fileName = kSettingsFileName;
    dialog.initialDir = services_.files.CurrentDirectory();
    if (!dialog.Execute()) return false;
    if (services_.locale.LowerCase(ExtractFileName(dialog.fileName)) != kSettingsFileName) {
        services_.messages.ShowMessage(language_.Text(wrongName));
        return false;
    }
    return true;
}

void TForm1::BitBtn1Click() {
    if (!ChooseSettingsFile(SaveDialog2, TextId::SavedFileShouldBeNamed)) return;
    const bool written = WriteSettingsFile(SaveDialog2.fileName, SettingsControls(), settingsImage_, services_.files);
    services_.messages.ShowMessage(
        language_.Text(written ? TextId::SettingsWriteCompleted : TextId::SettingsWriteError));
}

void TForm1::BitBtn2Click() {
    if (!ChooseSettingsFile(OpenDialog2, TextId::OpenedFileShouldBeNamed)) return;
    if (!ReadSettingsFile(OpenDialog2.fileName, settingsImage_, services_.files)) {
        services_.messages.ShowMessage(language_.Text(TextId::SettingsNotFound));
        return;
    }
    services_.messages.ShowMessage(language_.Text(TextId::SettingsReadComplete));
    CheckBox6.SetChecked(false);
    ShowBuf();
}

}  // namespace vocset
