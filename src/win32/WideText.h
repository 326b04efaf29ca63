// UTF-8 text of the portable code to and from the UTF-16 text of the Win32 API.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vocset::win32 {

// Bytes in a code page to UTF-16, and back.
std::wstring Decode(std::string_view bytes, UINT codePage);
std::string Encode(std::wstring_view text, UINT codePage);

inline std::wstring Widen(std::string_view text) { return Decode(text, CP_UTF8); }
inline std::string Narrow(std::wstring_view text) { return Encode(text, CP_UTF8); }

// The text of a window or control.
std::wstring WindowText(HWND window);

}  // namespace vocset::win32
