// The Win32 registry key and locale services against the real registry and code page.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/Win32Services.h"

namespace vocset::win32 {
namespace {

constexpr const wchar_t* kTestKey = L"Software\\vocset-win32-test";

class RegistryTest : public testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    Win32Registry registry;
};

TEST_F(RegistryTest, AStringWrittenReadsBackAndOtherTypesAreNoStrings) {
    auto key = registry.OpenCurrentUserKey("Software\\vocset-win32-test");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Kind("pass"), RegistryValueKind::Missing);
    ASSERT_TRUE(key->WriteString("pass", "пароль 12"));
    EXPECT_EQ(key->Kind("pass"), RegistryValueKind::String);
    EXPECT_EQ(key->ReadString("pass"), "пароль 12");
    ASSERT_TRUE(key->WriteString("empty", ""));
    EXPECT_EQ(key->Kind("empty"), RegistryValueKind::String);
    EXPECT_EQ(key->ReadString("empty"), "");

    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(raw, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(raw);
    EXPECT_EQ(key->Kind("number"), RegistryValueKind::Other);
}

TEST(LocaleTest, LowerCaseCoversCyrillic) {
    Win32Locale locale;
    EXPECT_EQ(locale.LowerCase("DUZA.INI"), "duza.ini");
    EXPECT_EQ(locale.LowerCase("ДУЗА.INI"), "дуза.ini");
}

TEST(LocaleTest, AnsiTextIsOneByteACharacterInTheSystemCodePage) {
    Win32Locale locale;
    const bool cyrillic = GetACP() == 1251;
    const std::string text = cyrillic ? "д" : "é";
    const std::string ansi(1, static_cast<char>(cyrillic ? 0xE4 : 0xE9));
    EXPECT_EQ(locale.ToAnsi(text), ansi);
    EXPECT_EQ(locale.FromAnsi({reinterpret_cast<const std::uint8_t*>(ansi.data()), ansi.size()}), text);
}

}  // namespace
}  // namespace vocset::win32
