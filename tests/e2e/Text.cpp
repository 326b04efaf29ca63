// Conversions between the driver's wide texts, UTF-8 and readable forms for failure messages.
#include "Text.h"

#include <windows.h>

#include <cwchar>

namespace e2e {

namespace {

std::wstring Decode(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring result(MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, result.data(), static_cast<int>(result.size()));
    return result;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return Decode(CP_UTF8, utf8); }

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::string result(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), static_cast<int>(result.size()), nullptr,
                        nullptr);
    return result;
}

std::wstring FromAnsi(const std::vector<std::uint8_t>& bytes) {
    return Decode(CP_ACP, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::wstring SystemText(unsigned long code) {
    wchar_t text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, 512, nullptr);
    std::wstring result = text;
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
    return result;
}

std::wstring Show(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring Show(const std::vector<std::wstring>& texts) {
    std::wstring result = L"[";
    for (std::size_t i = 0; i < texts.size(); ++i) result += (i ? L", " : L"") + Show(texts[i]);
    return result + L"]";
}

std::wstring Show(int value) { return std::to_wstring(value); }

std::wstring Show(bool value) { return value ? L"true" : L"false"; }

std::wstring Hex(unsigned value, int digits) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%0*X", digits, value);
    return text;
}

}  // namespace e2e
