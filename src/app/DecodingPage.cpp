// The commands of the decoding page: Open file, Save file, Start and Stop.
#include <string>

#include "app/RegistryNames.h"
#include "app/TForm1.h"
#include "base/Conversions.h"
#include "base/Paths.h"
#include "decoder/Decryption.h"
#include "decoder/Hex8.h"
#include "decoder/SignatureCheck.h"

namespace vocset {

namespace {
constexpr const char* kLineBreak = "\r\n";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
}  // namespace

bool TForm1::HasExtension(const std::string& path, const char* extension) {
    return services_.locale.LowerCase(ExtractFileExt(path)) == extension;
}

BlockLoopHooks TForm1::RunHooks() {
    return {[this](PumpMode mode) { services_.pump.ProcessMessages(mode); }, [this] { return StopPressed(); },
            [this](int position) { ProgressBar1.SetPosition(position); }};
}

bool TForm1::CheckSignatureOf(const std::string& fileName) {
    BlockLoopHooks hooks = RunHooks();
    const ReportTexts texts{language_.Text(TextId::ReportTitle), language_.Text(TextId::ReportCount),
                            language_.Text(TextId::ReportHeading), language_.Text(TextId::UnableToWriteData)};
    return CheckSignature(decoderState_, fileName,
                          {services_.files, services_.locale, services_.messages, hooks, texts});
}

std::string TForm1::RecorderNumberText() const {
    return language_.Text(TextId::RecorderNumber) + Hex8(decoderState_.recorderHigh) + Hex8(decoderState_.recorderLow);
}

void TForm1::ShowRunButtons(bool running) {
    BitBtn5.SetVisible(!running);
    BitBtn6.SetVisible(running);
}

void TForm1::BitBtn3Click() {
    OpenDialog1.initialDir = services_.files.CurrentDirectory();
    if (Store().ValueExists(kSourceFolderValue)) OpenDialog1.initialDir = Store().ReadString(kSourceFolderValue);
    if (!OpenDialog1.Execute()) return;
    const std::string source = OpenDialog1.fileName;
    Store().WriteString(kSourceFolderValue, ExtractFileDir(source));
    Edit2.SetText(source);
    Edit3.SetText("");
    Edit4.SetText("");
    if (Store().ValueExists(kPasswordValue)) Edit4.SetText(Store().ReadString(kPasswordValue));
    ProgressBar1.SetPosition(0);
    if (HasExtension(source, ".wav")) {
        BitBtn4.SetEnabled(false);
        Edit3.SetEnabled(false);
    }
    if (HasExtension(source, ".xxx")) {
        BitBtn4.SetEnabled(true);
        Edit3.SetEnabled(true);
        SaveDialog1.fileName = ChangeFileExt(source, ".wav");
        if (Store().ValueExists(kTargetFolderValue))
            SaveDialog1.fileName =
                Store().ReadString(kTargetFolderValue) + "\\" + ExtractFileName(SaveDialog1.fileName);
        Edit3.SetText(SaveDialog1.fileName);
    }
}

void TForm1::BitBtn4Click() {
    SaveDialog1.initialDir = services_.files.CurrentDirectory();
    if (Store().ValueExists(kTargetFolderValue)) SaveDialog1.initialDir = Store().ReadString(kTargetFolderValue);
    if (!SaveDialog1.Execute()) return;
    Store().WriteString(kTargetFolderValue, ExtractFileDir(SaveDialog1.fileName));
    Edit3.SetText(SaveDialog1.fileName);
}

// The fields are read afresh at every step: commands run while the blocks are processed may change them.
// An error raised here leaves Stop shown on purpose: the user brings Start back with Stop.
void TForm1::BitBtn5Click() {
    Store().WriteString(kPasswordValue, Edit4.Text());
    ShowRunButtons(true);
    decoderState_.Reset();

    if (HasExtension(Edit2.Text(), ".xxx")) {
        if (Edit3.Text().empty() || Edit4.Text().empty()) {
            services_.messages.ShowMessage(language_.Text(TextId::MustSpecifyTargetAndPassword));
            ShowRunButtons(false);
            return;
        }
        BuildKeyTable(decoderState_);
        // A text that is no number seeds the key stream with 0.
        SeedKeyState(decoderState_, static_cast<std::uint16_t>(TryStrToInt(Edit4.Text()).value_or(0)));
        BlockLoopHooks hooks = RunHooks();
        if (DecryptRecording(decoderState_, Edit2.Text(), Edit3.Text(), services_.files, hooks)) {
            const bool valid = CheckSignatureOf(Edit3.Text());
            if (valid || !StopPressed()) {
                services_.messages.ShowMessage(
                    Quoted(ExtractFileName(Edit2.Text())) + language_.Text(TextId::DecryptedTo) +
                    Quoted(ExtractFileName(Edit3.Text())) +
                    language_.Text(valid ? TextId::SignatureValid : TextId::SignatureNotValid) + kLineBreak +
                    RecorderNumberText());
            }
        } else if (!StopPressed()) {
            services_.messages.ShowMessage(language_.Text(TextId::DecryptionError));
        }
    }
    if (StopPressed()) return;

    if (HasExtension(Edit2.Text(), ".wav")) {
        const bool valid = CheckSignatureOf(Edit2.Text());
        if (valid || !StopPressed()) {
            services_.messages.ShowMessage(
                language_.Text(TextId::SignatureOfFile) + ExtractFileName(Edit2.Text()) +
                language_.Text(valid ? TextId::FileSignatureValid : TextId::FileSignatureNotValid) + kLineBreak +
                RecorderNumberText());
        }
    }
    ShowRunButtons(false);
}

void TForm1::BitBtn6Click() {
    services_.messages.ShowMessage(language_.Text(TextId::DecodingStopped));
    ShowRunButtons(false);
    ProgressBar1.SetPosition(0);
}

}  // namespace vocset
