// The rules of the recording settings: voice activation, automatic gain, encryption and its
// password, and the resolution.
#include "app/TForm1.h"
#include "base/Conversions.h"

namespace vocset {

namespace {
constexpr std::int32_t kPasswordMaximum = 65535;
}  // namespace

void TForm1::CheckBox1Click() {
    if (CheckBox1.Checked()) {
        CheckBox9.SetEnabled(true);
        Label1.SetEnabled(false);
        ComboBox1.SetEnabled(false);
        CheckBox2.SetChecked(false);
        CheckBox2.SetEnabled(false);
        Label20.SetEnabled(true);
        ComboBox49.SetEnabled(true);
        return;
    }
    CheckBox9.SetEnabled(false);
    const bool gainUsable = ComboBox45.ItemIndex() != kResolution20Bit;
    Label1.SetEnabled(gainUsable);
    ComboBox1.SetEnabled(gainUsable);
    CheckBox2.SetEnabled(gainUsable);
    Label20.SetEnabled(false);
    ComboBox49.SetEnabled(false);
}

void TForm1::CheckBox2Click() {
    if (CheckBox2.Checked()) {
        Label1.SetEnabled(false);
        ComboBox1.SetEnabled(false);
    } else if (!CheckBox1.Checked()) {
        Label1.SetEnabled(true);
        ComboBox1.SetEnabled(true);
    }
}

void TForm1::CheckBox3Click() {
    Label3.SetEnabled(CheckBox3.Checked());
    Edit1.SetEnabled(CheckBox3.Checked());
}

void TForm1::ComboBox45Change() {
    if (ComboBox45.ItemIndex() == kResolution20Bit) {
        CheckBox2.SetEnabled(false);
        Label1.SetEnabled(false);
        ComboBox1.SetEnabled(false);
    } else if (CheckBox1.Checked()) {
        Label1.SetEnabled(false);
        ComboBox1.SetEnabled(false);
    } else if (CheckBox2.Checked()) {
        CheckBox2.SetEnabled(true);
    } else {
        CheckBox2.SetEnabled(true);
        Label1.SetEnabled(true);
        ComboBox1.SetEnabled(true);
    }
}

// Only digits and Backspace reach the password; a carriage return moves on to the frequency list.
void TForm1::Edit1KeyPress(char16_t& key) {
    const bool passes = (key >= u'0' && key <= u'9') || key == u'\b' || key == u'\r';
    if (!passes) key = 0;
    if (key == u'\r') {
        key = 0;
        focus_.MoveTo(ComboBox3);
    }
}

// The text stays as the user left it, so that they correct it themselves.
void TForm1::Edit1Exit() {
    const std::int32_t value = TryStrToInt(Edit1.Text()).value_or(kPasswordMaximum + 1);
    if (value >= 0 && value <= kPasswordMaximum) return;
    services_.messages.ShowMessage(language_.Text(TextId::EnterNumberInRange));
    focus_.MoveTo(Edit1);
}

}  // namespace vocset
