// Lower case and the long time format by the user's locale, and text in the system's ANSI code page.
#include <iterator>

#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {

namespace {
std::wstring UserLocaleInfo(LCTYPE type) {
    wchar_t value[80] = {};
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, value, std::size(value)) ? value : L"";
}

// In a time format picture ("h:mm:ss tt", "HH:mm:ss"), the hour written with two letters has a
// leading zero; text in single quotes is literal.
bool HourHasLeadingZero(const std::wstring& picture) {
    bool quoted = false;
    for (std::size_t index = 0; index < picture.size(); ++index) {
        const wchar_t letter = picture[index];
        if (letter == L'\'') {
            quoted = !quoted;
        } else if (!quoted && (letter == L'h' || letter == L'H')) {
            return index + 1 < picture.size() && picture[index + 1] == letter;
        }
    }
    return false;
}
}  // namespace

std::string Win32Locale::LowerCase(const std::string& text) {
    std::wstring wide = Widen(text);
    CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return Narrow(wide);
}

std::string Win32Locale::FromAnsi(std::span<const std::uint8_t> bytes) {
    return Narrow(Decode({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, CP_ACP));
}

std::string Win32Locale::ToAnsi(const std::string& text) { return Encode(Widen(text), CP_ACP); }

TimeFormat Win32Locale::LongTimeFormat() {
    TimeFormat format;
    const std::wstring separator = UserLocaleInfo(LOCALE_STIME);
    if (!separator.empty()) format.separator = Narrow(separator);
    format.hourLeadingZero = HourHasLeadingZero(UserLocaleInfo(LOCALE_STIMEFORMAT));
    return format;
}

}  // namespace vocset::win32
