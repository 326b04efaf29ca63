// Message boxes owned by the main window, with the application title as caption.
#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {

void Win32MessageBoxes::ShowMessage(const std::string& text) { Show(text, MB_OK); }

void Win32MessageBoxes::ShowError(const std::string& text) { Show(text, MB_OK | MB_ICONERROR); }

void Win32MessageBoxes::Show(const std::string& text, UINT type) {
    MessageBoxW(owner_.handle, Widen(text).c_str(), caption_.c_str(), type);
}

}  // namespace vocset::win32
