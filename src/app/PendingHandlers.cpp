// Handlers whose behaviour is not built yet; each does nothing.
#include "app/TForm1.h"

namespace vocset {

void TForm1::ShowBuf() {}
void TForm1::CheckBox1Click() {}
void TForm1::CheckBox2Click() {}
void TForm1::CheckBox3Click() {}
void TForm1::Edit1Exit() {}
void TForm1::Edit1KeyPress(char16_t&) {}
void TForm1::ComboBox45Change() {}
void TForm1::CheckBox4Click() {}
void TForm1::DateTimePicker1Click() {}
void TForm1::DateTimePicker1UserInput() {}
void TForm1::MaskEdit1Change() {}
void TForm1::MaskEdit1Click() {}
void TForm1::MaskEdit1KeyPress(char16_t&) {}
void TForm1::CheckBox6Click() {}
void TForm1::CheckBox5Click() {}
void TForm1::CheckBox8Click() {}
void TForm1::ComboBox4Change() {}
void TForm1::Timer1Timer() {}
void TForm1::BitBtn2Click() {}

}  // namespace vocset
