// Start-up and shutdown of the main window.
#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace vocset {
namespace {

using testing::FormFixture;
using Items = std::vector<std::string>;

TEST(FormCreateTest, FirstRunReducesTheListsAndCreatesTheKeyInSilence) {
    for (const Language* language : {&kEnglish, &kRussian}) {
        FormFixture fixture(*language);
        TForm1& form = fixture.Create();
        const bool en = language == &kEnglish;
        EXPECT_EQ(form.ComboBox3.Items(), en ? Items({"8 kHz", "16 kHz"}) : Items({"8 кГц", "16 кГц"}));
        EXPECT_EQ(form.ComboBox3.ItemIndex(), 1);
        EXPECT_EQ(form.ComboBox45.Items(), en ? Items({"u-Law", "16 bit"}) : Items({"u-Law", "16 бит"}));
        EXPECT_EQ(form.ComboBox45.ItemIndex(), 1);
        EXPECT_EQ(fixture.registry.keys.count("Software\\duza"), 1u);
        EXPECT_EQ(form.Edit4.Text(), "");
        EXPECT_TRUE(fixture.messages.messages.empty());
        EXPECT_TRUE(fixture.messages.errors.empty());
    }
}

TEST(FormCreateTest, TheStoredPasswordShowsInPlainText) {
    FormFixture fixture;
    fixture.registry.keys["Software\\duza"]["pass"] = {true, "98765"};
    EXPECT_EQ(fixture.Create().Edit4.Text(), "98765");
}

TEST(FormCreateTest, AKeyThatCannotBeOpenedIsReportedAndTheProgramGoesOn) {
    FormFixture fixture(kRussian);
    fixture.registry.refuseOpen = true;
    fixture.registry.keys["Software\\duza"]["pass"] = {true, "not to be read"};
    TForm1& form = fixture.Create();
    EXPECT_EQ(fixture.messages.messages, (std::vector<std::string>{"Ключ Software\\duza реестра не создан"}));
    EXPECT_EQ(form.Edit4.Text(), "");
    EXPECT_TRUE(form.RegistryStoreExists());
}

TEST(FormCreateTest, APasswordOfAnotherTypeEndsCreationWithTheRegistryError) {
    FormFixture fixture;
    fixture.registry.keys["Software\\duza"]["pass"] = {false, "1"};
    TForm1& form = fixture.Create();
    EXPECT_EQ(fixture.messages.errors, (std::vector<std::string>{"Invalid data type for 'pass'"}));
    EXPECT_EQ(form.Edit4.Text(), "");
    EXPECT_TRUE(form.RegistryStoreExists());
    EXPECT_EQ(fixture.registry.openKeys, 1);
}

TEST(FormCreateTest, LoadsDuzaIniFromTheCurrentDirectoryOnlyAtExactly512Bytes) {
    for (std::size_t size : {512u, 511u, 513u}) {
        FormFixture fixture;
        testing::WriteBytes("duza.ini", std::vector<std::uint8_t>(size, 0x5A));
        TForm1& form = fixture.Create();
        EXPECT_EQ(form.SettingsImage().loaded, size == 512 ? 1 : 0) << size;
        EXPECT_EQ(form.SettingsImage().bytes[100], size == 512 ? 0x5A : 0) << size;
        EXPECT_TRUE(fixture.messages.errors.empty());
    }
}

TEST(FormCreateTest, ADuzaIniThatCannotBeOpenedIsReportedAndStartUpGoesOn) {
    FormFixture fixture;
    testing::WriteBytes("duza.ini", std::vector<std::uint8_t>(512, 1));
    fixture.registry.keys["Software\\duza"]["pass"] = {true, "7"};
    auto heldElsewhere = fixture.files.OpenRead("duza.ini");
    TForm1& form = fixture.Create();
    ASSERT_EQ(fixture.messages.errors.size(), 1u);
    EXPECT_EQ(fixture.messages.errors[0],
              "Cannot open file \"" + fixture.folder.File("duza.ini") + "\". Sharing violation.");
    EXPECT_EQ(form.SettingsImage().loaded, 0);
    EXPECT_TRUE(form.RegistryStoreExists());
    EXPECT_EQ(form.Edit4.Text(), "7");
}

TEST(FormCloseTest, ReleasesTheRegistryStoreAndMayRunTwice) {
    FormFixture fixture;
    TForm1& form = fixture.Create();
    EXPECT_EQ(fixture.registry.openKeys, 1);
    form.FormClose();
    form.FormClose();
    EXPECT_EQ(fixture.registry.openKeys, 0);
    EXPECT_FALSE(form.RegistryStoreExists());
}

}  // namespace
}  // namespace vocset
