// The program's key HKEY_CURRENT_USER\Software\duza, as a scenario prepares and inspects it.
#include "Registry.h"

#include <windows.h>

#include "Check.h"

namespace e2e {

namespace {

constexpr wchar_t kProgramKey[] = L"Software\\duza";

class Key {
public:
    explicit Key(HKEY key) : key_(key) {}
    ~Key() { RegCloseKey(key_); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Handle() const { return key_; }

private:
    HKEY key_;
};

}  // namespace

void DeleteProgramKey() {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
    Expect(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND,
           L"cannot delete HKCU\\Software\\duza (error " + std::to_wstring(status) + L")");
}

bool ProgramKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    Key closer(key);
    return true;
}

void WriteProgramValue(const std::wstring& name, const std::wstring& value) {
    HKEY key = nullptr;
    Expect(RegCreateKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
               ERROR_SUCCESS,
           L"cannot create HKCU\\Software\\duza");
    Key closer(key);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    Expect(RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
               ERROR_SUCCESS,
           L"cannot store the value " + Show(name));
}

std::optional<std::wstring> ReadProgramValue(const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    Key closer(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
    Expect(type == REG_SZ, L"the value " + Show(name) + L" is not a string");
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    Expect(RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &bytes) ==
               ERROR_SUCCESS,
           L"cannot read the value " + Show(name));
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

}  // namespace e2e
