// Lower case by the user's locale, and text in the system's ANSI code page.
#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {

std::string Win32Locale::LowerCase(const std::string& text) {
    std::wstring wide = Widen(text);
    CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return Narrow(wide);
}

std::string Win32Locale::FromAnsi(std::span<const std::uint8_t> bytes) {
    return Narrow(Decode({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, CP_ACP));
}

std::string Win32Locale::ToAnsi(const std::string& text) { return Encode(Widen(text), CP_ACP); }

}  // namespace vocset::win32
