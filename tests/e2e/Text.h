// Conversions between the driver's wide texts, UTF-8 and readable forms for failure messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);
// Bytes in the ANSI code page of the locale that the driver and the program share.
std::wstring FromAnsi(const std::vector<std::uint8_t>& bytes);

// The system's description of an error code, without its line break, in the language of the locale
// that the driver and the program share ("Access denied." for ERROR_ACCESS_DENIED in English).
std::wstring SystemText(unsigned long code);

// A value as a failure message shows it.
std::wstring Show(const std::wstring& text);
std::wstring Show(const std::vector<std::wstring>& texts);
std::wstring Show(int value);
std::wstring Show(bool value);
std::wstring Hex(unsigned value, int digits = 2);  // "0x" and upper-case digits

}  // namespace e2e
