// The Win32 registry key and locale services against the real registry, code page and regional settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "win32/WideText.h"
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

// The locale that run-tests.sh sets for the language variant.
TEST(LongTimeFormatTest, IsTheRegionalFormatOfTheVariantsLocale) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    const std::wstring locale = name;
    if (locale != L"en-US" && locale != L"ru-RU") GTEST_SKIP() << "run under neither en_US nor ru_RU";
    const TimeFormat format = Win32Locale().LongTimeFormat();
    EXPECT_EQ(format.separator, ":");
    EXPECT_EQ(format.hourLeadingZero, locale == L"ru-RU");  // "08:39:49" against "8:39:49 AM"
}

TEST(LongTimeFormatTest, AgreesWithTheTimeTextOfTheSystem) {
    const TimeFormat format = Win32Locale().LongTimeFormat();
    SYSTEMTIME time{};
    time.wYear = 2026;
    time.wMonth = 12;
    time.wDay = 10;
    time.wHour = 8;
    time.wMinute = 5;
    time.wSecond = 9;
    wchar_t text[64] = {};
    ASSERT_GT(GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text, 64), 0);
    const std::string expected =
        (format.hourLeadingZero ? "08" : "8") + format.separator + "05" + format.separator + "09";
    EXPECT_NE(Narrow(text).find(expected), std::string::npos) << Narrow(text);
}

// Changes the user's long time format for one test and puts the old one back.
class UserTimeFormatTest : public testing::TestWithParam<std::tuple<const wchar_t*, const char*, bool>> {
protected:
    void SetUp() override {
        ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, picture_, 80), 0);
        ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator_, 80), 0);
    }
    void TearDown() override {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, picture_);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator_);
    }

private:
    wchar_t picture_[80] = {};
    wchar_t separator_[80] = {};
};

TEST_P(UserTimeFormatTest, FollowsTheUsersSetting) {
    const auto& [picture, separator, leadingZero] = GetParam();
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, picture));
    const TimeFormat format = Win32Locale().LongTimeFormat();
    EXPECT_EQ(format.separator, separator);
    EXPECT_EQ(format.hourLeadingZero, leadingZero);
}

std::string PictureName(const testing::TestParamInfo<UserTimeFormatTest::ParamType>& info) {
    const char* names[] = {"LeadingZeroAndDots", "NoLeadingZero", "TwelveHours", "QuotedLetter"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Pictures, UserTimeFormatTest,
                         testing::Values(std::make_tuple(L"HH.mm.ss", ".", true),
                                         std::make_tuple(L"H:mm:ss", ":", false),
                                         std::make_tuple(L"tt hh:mm:ss", ":", true),
                                         // a quoted letter is text, not the hour
                                         std::make_tuple(L"'hh' h-mm-ss", "-", false)),
                         PictureName);

}  // namespace
}  // namespace vocset::win32
