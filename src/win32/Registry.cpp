// Registry keys under HKEY_CURRENT_USER through the advapi32 registry functions.
#include <vector>

#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {

namespace {
class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}
    ~Win32RegistryKey() override { RegCloseKey(key_); }
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

    RegistryValueKind Kind(const std::string& name) override {
        DWORD type = 0;
        if (RegQueryValueExW(key_, Widen(name).c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
            return RegistryValueKind::Missing;
        }
        return type == REG_SZ || type == REG_EXPAND_SZ ? RegistryValueKind::String : RegistryValueKind::Other;
    }

    std::string ReadString(const std::string& name) override {
        const std::wstring valueName = Widen(name);
        DWORD bytes = 0;
        if (RegQueryValueExW(key_, valueName.c_str(), nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS) return {};
        // One more character, so that a value stored without its terminating NUL still gets one.
        std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>((text.size() - 1) * sizeof(wchar_t));
        if (RegQueryValueExW(key_, valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
            ERROR_SUCCESS) {
            return {};
        }
        return Narrow(text.data());
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        const std::wstring text = Widen(value);
        const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              bytes) == ERROR_SUCCESS;
    }

private:
    HKEY key_;
};
}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenCurrentUserKey(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(key);
}

}  // namespace vocset::win32
