// The settings image built from the controls, the command "Save configuration file", and reading a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "base/Errors.h"
#include "settings/SettingsFile.h"
#include "support/FormFixture.h"

namespace vocset {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
namespace img = image;

using Bytes = std::vector<std::uint8_t>;

// The image of a window that nobody touched: password "0", date 1 January 2010, 00:00:00.
Bytes UntouchedImage() {
    Bytes b(kImageSize, 0xFF);
    const char magic[] = "Qerv2";
    std::copy(magic, magic + 5, b.begin());
    b[img::kAutomaticGain] = 1;
    b[img::kFileSize] = 2;
    b[img::kEncryption] = 0;
    b[img::kPasswordLow] = 0;
    b[img::kPasswordHigh] = 0;
    b[img::kSetClock] = 0;
    b[img::kYearHigh] = 0x07;
    b[img::kYearLow] = 0xDA;
    b[img::kMonth] = 1;
    b[img::kDay] = 1;
    b[img::kHour] = b[img::kMinute] = b[img::kSecond] = 0;
    b[img::kAlarmMode] = 0;
    for (int k = 1; k <= 10; ++k) {
        const Bytes entry = {0x00, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00};
        std::copy(entry.begin(), entry.end(), b.begin() + static_cast<std::ptrdiff_t>(img::AlarmEntry(k)));
    }
    b[img::kFrequency] = 1;
    b[img::kVoiceActivation] = 0x00;
    b[img::kLogger] = 0xFF;
    b[img::kResolution] = 0x00;
    return b;
}

class SaveTest : public ::testing::Test {
protected:
    testing::FormFixture fixture;
    TForm1& form = fixture.Create();

    // Runs "Save configuration file" with the dialog answering `name` (nullopt: cancel).
    void Save(std::optional<std::string> name) {
        fixture.dialogs.answers.push_back(std::move(name));
        fixture.Act([this] { form.BitBtn1.Click(); });
    }
    Bytes SaveAndRead() {
        Save(Path());
        EXPECT_EQ(fixture.messages.messages, (std::vector<std::string>{"Settings file write completed"}));
        EXPECT_TRUE(fixture.messages.errors.empty());
        Bytes written = ReadBytes(Path());
        EXPECT_EQ(written.size(), kImageSize);
        written.resize(kImageSize);
        return written;
    }
    // Names are Windows names, in which "/" is no separator: use names relative to the current folder.
    static std::string Path() { return "duza.ini"; }
    // Ticks the clock and the alarm clocks with rows 1 to n in use.
    void UseAlarmRows(int n) {
        form.CheckBox4.SetChecked(true);
        form.CheckBox5.SetChecked(true);
        form.ComboBox4.UserSelect(n - 1);
    }
};

TEST_F(SaveTest, RightAfterStartWritesTheUntouchedImage) {
    EXPECT_EQ(SaveAndRead(), UntouchedImage());
    EXPECT_EQ(fixture.folder.Names(), (std::vector<std::string>{"duza.ini"}));
    const auto& shown = fixture.dialogs.shown.at(0);
    EXPECT_EQ(shown.fileName, "duza.ini");
    EXPECT_EQ(shown.initialDir, fixture.files.CurrentDirectory());
    EXPECT_EQ(shown.filter, "duza.ini|duza.ini");
    EXPECT_EQ(shown.defaultExt, "*.ini");
}

TEST_F(SaveTest, ThreeAlarmClocksMarkTheirEntriesAndKeepTheOthersValues) {
    UseAlarmRows(3);
    form.ComboBoxNumber(9).SetItemIndex(14);   // row 2: day 15
    form.ComboBoxNumber(26).SetItemIndex(7);   // row 6: hour 07
    form.ComboBoxNumber(43).SetItemIndex(30);  // row 10: minute 30
    const Bytes b = SaveAndRead();
    EXPECT_EQ(b[img::kAlarmMode], img::kAlarmModeClocks);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(b[img::AlarmEntry(k) + img::kEntryEnabled], k <= 3 ? 1 : 0) << k;
    EXPECT_EQ(b[img::AlarmEntry(2) + img::kEntryDay], 15);
    EXPECT_EQ(b[img::AlarmEntry(6) + img::kEntryHour], 7);
    EXPECT_EQ(b[img::AlarmEntry(6) + img::kEntryEndHour], 8);
    EXPECT_EQ(b[img::AlarmEntry(10) + img::kEntryMinute], 30);
    EXPECT_EQ(b[img::AlarmEntry(10) + img::kEntryEndMinute], 30);
}

TEST_F(SaveTest, EndHourWrapsAtMidnight) {
    struct Case {
        int hour, duration, endHour;
    };
    const Case cases[] = {{22, 5, 3}, {23, 1, 0}, {0, 23, 23}, {12, 12, 0}};
    for (const Case& c : cases) {
        form.ComboBoxNumber(6).SetItemIndex(c.hour);
        form.ComboBoxNumber(8).SetItemIndex(c.duration - 1);
        form.ComboBoxNumber(7).SetItemIndex(45);
        fixture.messages.messages.clear();
        const Bytes b = SaveAndRead();
        const std::size_t e = img::AlarmEntry(1);
        EXPECT_EQ(b[e + img::kEntryDuration], c.duration);
        EXPECT_EQ(b[e + img::kEntryEndHour], c.endHour) << c.hour << "+" << c.duration;
        EXPECT_EQ(b[e + img::kEntryEndMinute], 45);
    }
}

TEST_F(SaveTest, CyclicAlarmLaysOutItsOwnFieldsAlsoWhileDisabled) {
    for (bool alarmClocks : {true, false}) {
        form.CheckBox5.SetChecked(alarmClocks);
        form.CheckBox8.SetChecked(true);
        form.CheckBox8.SetEnabled(alarmClocks);
        form.CheckBox7.SetChecked(true);
        form.ComboBox47.SetItemIndex(23);
        form.ComboBox46.SetItemIndex(59);
        form.ComboBox48.SetItemIndex(22);
        fixture.messages.messages.clear();
        const Bytes b = SaveAndRead();
        EXPECT_EQ(b[img::kAlarmMode], img::kAlarmModeCyclic);
        EXPECT_EQ(b[0x14], 0xFF);
        EXPECT_EQ(b[0x15], 0xFF);
        EXPECT_EQ(b[img::kCyclicStartHour], 23);
        EXPECT_EQ(b[img::kCyclicStartMinute], 59);
        EXPECT_EQ(b[img::kCyclicRunningTime], 23);
        for (std::size_t i = 0x19; i <= 0x3B; ++i) EXPECT_EQ(b[i], 0) << i;
        for (std::size_t i = 0x3F; i <= 0x66; ++i) EXPECT_EQ(b[i], 0) << i;
        EXPECT_EQ(b[img::kFrequency], 1);
        EXPECT_EQ(b[img::kVoiceActivation], img::kVoxOff);
        EXPECT_EQ(b[img::kLogger], img::kLoggerOn);
        EXPECT_EQ(b[img::kResolution], 0);
    }
}

TEST_F(SaveTest, VoiceActivationCodes) {
    struct Case {
        bool vox, beep, gainEnabled, voxListEnabled;
        int voxPosition;
        std::uint8_t voiceByte, sensitivityByte;
    };
    const Case cases[] = {
        {true, true, false, true, 0, img::kVoxOnWithBeep, 4}, {true, false, false, true, 1, img::kVoxOn, 3},
        {true, false, true, true, 2, img::kVoxOn, 2},    // the sensitivity replaces the gain
        {true, false, true, true, -1, img::kVoxOn, 2},   // no sensitivity: the gain "0 dB" stays
        {false, true, true, false, 0, img::kVoxOff, 2},  // the beep is not looked at
        {false, false, false, false, 0, img::kVoxOff, 0xFF},
    };
    for (const Case& c : cases) {
        form.CheckBox1.SetChecked(c.vox);
        form.CheckBox9.SetChecked(c.beep);
        form.ComboBox1.SetEnabled(c.gainEnabled);
        form.ComboBox49.SetEnabled(c.voxListEnabled);
        form.ComboBox49.SetItemIndex(c.voxPosition);
        fixture.messages.messages.clear();
        const Bytes b = SaveAndRead();
        EXPECT_EQ(b[img::kVoiceActivation], c.voiceByte);
        EXPECT_EQ(b[img::kGainOrVoxSensitivity], c.sensitivityByte);
    }
}

TEST_F(SaveTest, PasswordKeepsItsLowSixteenBitsLowByteFirst) {
    struct Case {
        const char* text;
        std::uint8_t low, high;
    };
    const Case cases[] = {{"65535", 0xFF, 0xFF}, {"258", 0x02, 0x01}, {"70000", 0x70, 0x11}, {"-1", 0xFF, 0x00}};
    for (const Case& c : cases) {
        form.Edit1.SetText(c.text);
        fixture.messages.messages.clear();
        const Bytes b = SaveAndRead();
        EXPECT_EQ(b[img::kPasswordLow], c.low) << c.text;
        EXPECT_EQ(b[img::kPasswordHigh], c.high) << c.text;
    }
}

TEST_F(SaveTest, ListsWithoutSelection) {
    form.ComboBox45.SetItemIndex(-1);
    form.ComboBox2.SetItemIndex(-1);
    form.ComboBoxNumber(5).SetItemIndex(-1);
    form.ComboBoxNumber(6).SetItemIndex(-1);
    const Bytes b = SaveAndRead();
    EXPECT_EQ(b[img::kResolution], 0xFF);
    EXPECT_EQ(b[img::kFileSize], 0xFF);
    EXPECT_EQ(b[img::AlarmEntry(1) + img::kEntryDay], 0);
    EXPECT_EQ(b[img::AlarmEntry(1) + img::kEntryHour], 0xFF);
    EXPECT_EQ(b[img::AlarmEntry(1) + img::kEntryEndHour], 0);  // (-1 + 0 + 1) mod 24
}

// The end hour's remainder takes the sign of the sum, as the writer's arithmetic gives it.
TEST_F(SaveTest, EndHourOfRowsWithoutSelection) {
    form.ComboBoxNumber(10).SetItemIndex(-1);  // row 2: hour
    form.ComboBoxNumber(12).SetItemIndex(-1);  // row 2: duration
    form.ComboBoxNumber(16).SetItemIndex(-1);  // row 3: duration, hour "00"
    const Bytes b = SaveAndRead();
    EXPECT_EQ(b[img::AlarmEntry(2) + img::kEntryDuration], 0);
    EXPECT_EQ(b[img::AlarmEntry(2) + img::kEntryEndHour], 0xFF);  // (-1 + -1 + 1) mod 24 = -1
    EXPECT_EQ(b[img::AlarmEntry(3) + img::kEntryEndHour], 0);     // (0 + -1 + 1) mod 24
}

// In cyclic alarm mode every byte up to the resolution's is zeroed, so a resolution list without
// selection leaves 0 there, not 0xFF.
TEST_F(SaveTest, CyclicLayoutWithoutAResolution) {
    form.CheckBox8.SetChecked(true);
    form.ComboBox45.SetItemIndex(-1);
    const Bytes b = SaveAndRead();
    EXPECT_EQ(b[img::kResolution], 0x00);
    EXPECT_EQ(b[img::kWrittenEnd], 0xFF);
}

TEST_F(SaveTest, TheAlarmModeComesFromTheAlarmBoxesAlone) {
    struct Case {
        const char* name;
        bool clock, alarmClocks, cyclic;
        std::uint8_t setClock, alarmMode;
    };
    const Case cases[] = {
        {"clock alone", true, false, false, 1, img::kAlarmModeOff},
        {"clock and alarm clocks", true, true, false, 1, img::kAlarmModeClocks},
        {"cyclic box alone", false, false, true, 0, img::kAlarmModeCyclic},
    };
    for (const Case& c : cases) {
        form.CheckBox5.SetChecked(false);
        form.CheckBox4.SetChecked(c.clock);
        form.CheckBox5.SetChecked(c.alarmClocks);
        form.CheckBox8.SetChecked(c.cyclic);
        fixture.messages.messages.clear();
        const Bytes b = SaveAndRead();
        EXPECT_EQ(b[img::kSetClock], c.setClock) << c.name;
        EXPECT_EQ(b[img::kAlarmMode], c.alarmMode) << c.name;
    }
}

TEST_F(SaveTest, ADateIsSplitWithTheYearHighByteFirst) {
    form.DateTimePicker1.SetValue({2016, 12, 31, 23, 59, 58});
    const Bytes b = SaveAndRead();
    EXPECT_EQ(Bytes(b.begin() + img::kYearHigh, b.begin() + img::kSecond + 1), (Bytes{0x07, 0xE0, 12, 31, 23, 59, 58}));
}

TEST_F(SaveTest, AnEmptyPasswordEndsTheSaveAndLeavesTheFileAsItWas) {
    const Bytes old(kImageSize, 0x11);
    WriteBytes(Path(), old);
    form.Edit1.SetText("");
    Save(Path());
    EXPECT_EQ(fixture.messages.errors, (std::vector<std::string>{"'''' is not a valid integer value."}));
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_EQ(ReadBytes(Path()), old);
    EXPECT_EQ(fixture.folder.Names().size(), 1u);
}

TEST_F(SaveTest, OnlyTheNameDuzaIniInAnyCaseIsSaved) {
    struct Case {
        const char* name;
        bool saved;
    };
    const Case cases[] = {{"DUZA.INI", true},   {"Duza.Ini", true},  {"duza.ini.bak", false},
                          {"xduza.ini", false}, {"duza.txt", false}, {"duza", false}};
    for (const Case& c : cases) {
        fixture.messages.messages.clear();
        Save(c.name);
        const char* expected = c.saved ? "Settings file write completed" : "Saved file should be named duza.ini";
        EXPECT_EQ(fixture.messages.messages, (std::vector<std::string>{expected})) << c.name;
        EXPECT_EQ(fixture.folder.Names(), c.saved ? std::vector<std::string>{c.name} : std::vector<std::string>{})
            << c.name;
        std::remove(c.name);
    }
    Save(std::nullopt);
    EXPECT_EQ(fixture.messages.messages.size(), 1u);
}

// Only the name is tested; the file is written into the folder that the dialog named.
TEST_F(SaveTest, ADuzaIniInASubfolderIsWrittenThere) {
    fixture.files.backslashSeparates = true;
    std::filesystem::create_directory("sub");
    Save("sub\\DUZA.INI");
    EXPECT_EQ(fixture.messages.messages, (std::vector<std::string>{"Settings file write completed"}));
    EXPECT_EQ(ReadBytes("sub/DUZA.INI"), UntouchedImage());
    EXPECT_EQ(fixture.folder.Names(), (std::vector<std::string>{"sub"}));
}

TEST_F(SaveTest, AShortWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const Bytes old(kImageSize, 0x22);
    WriteBytes(Path(), old);
    fixture.files.writeBudget = 100;
    Save(Path());
    EXPECT_EQ(fixture.messages.messages, (std::vector<std::string>{"Settings file write error"}));
    EXPECT_EQ(ReadBytes(Path()), old);
    EXPECT_EQ(fixture.folder.Names(), (std::vector<std::string>{"duza.ini"}));
}

TEST_F(SaveTest, AFileThatCannotBeReplacedGivesTheCreateErrorAndStaysAsItWas) {
    const Bytes old(kImageSize, 0x33);
    WriteBytes(Path(), old);
    {
        auto heldElsewhere = fixture.files.OpenRead(Path());
        Save(Path());
    }
    ASSERT_EQ(fixture.messages.errors.size(), 1u);
    EXPECT_EQ(fixture.messages.errors[0],
              "Cannot create file \"" + fixture.folder.File("duza.ini") + "\". Sharing violation.");
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_EQ(ReadBytes(Path()), old);
    EXPECT_EQ(fixture.folder.Names(), (std::vector<std::string>{"duza.ini"}));
}

// A file without any write permission is read-only: its save is refused as a file that cannot be
// created and leaves it as it was. Any other file is replaced and keeps its permissions.
TEST_F(SaveTest, AReadOnlyFileIsRefusedAndAReplacedFileKeepsItsMode) {
    struct Case {
        mode_t mode;
        bool readOnly;
    };
    const Case cases[] = {{0444, true}, {0400, true}, {0550, true}, {0644, false}, {0600, false}, {0460, false}};
    const Bytes old(kImageSize, 0x44);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << std::oct << c.mode);
        WriteBytes(Path(), old);
        ASSERT_EQ(::chmod(Path().c_str(), c.mode), 0);
        fixture.messages.messages.clear();
        fixture.messages.errors.clear();
        Save(Path());
        if (c.readOnly) {
            EXPECT_EQ(fixture.messages.errors,
                      (std::vector<std::string>{"Cannot create file \"" + fixture.folder.File("duza.ini") +
                                                "\". Access denied."}));
            EXPECT_TRUE(fixture.messages.messages.empty());
            EXPECT_EQ(ReadBytes(Path()), old);
        } else {
            EXPECT_EQ(fixture.messages.messages, (std::vector<std::string>{"Settings file write completed"}));
            EXPECT_TRUE(fixture.messages.errors.empty());
            EXPECT_EQ(ReadBytes(Path()), UntouchedImage());
        }
        struct stat status {};
        ASSERT_EQ(::stat(Path().c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.mode);
        EXPECT_EQ(fixture.folder.Names(), (std::vector<std::string>{"duza.ini"}));
        std::remove(Path().c_str());
    }
}

class ReadSettingsFileTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::PosixFileSystem files;
    SettingsImage image;
};

TEST_F(ReadSettingsFileTest, AcceptsExactly512BytesWhateverTheyHold) {
    for (std::size_t size : {511u, 513u, 0u}) {
        WriteBytes("duza.ini", Bytes(size, 0xAB));
        image.loaded = 1;
        EXPECT_FALSE(ReadSettingsFile("duza.ini", image, files)) << size;
        EXPECT_EQ(image.loaded, 0);
        EXPECT_EQ(image.bytes[0], 0);
    }
    Bytes any(kImageSize);
    for (std::size_t i = 0; i < any.size(); ++i) any[i] = static_cast<std::uint8_t>(i * 7);
    WriteBytes("duza.ini", any);
    EXPECT_TRUE(ReadSettingsFile("duza.ini", image, files));
    EXPECT_EQ(image.loaded, 1);
    EXPECT_EQ(Bytes(image.bytes.begin(), image.bytes.end()), any);
    EXPECT_EQ(files.openStreams(), 0);
}

TEST_F(ReadSettingsFileTest, MissingFileOrFolderIsNoFile) {
    EXPECT_FALSE(ReadSettingsFile("duza.ini", image, files));
    std::filesystem::create_directory("duza.ini");
    EXPECT_FALSE(ReadSettingsFile("duza.ini", image, files));
}

TEST_F(ReadSettingsFileTest, AFileHeldOpenGivesTheOpenError) {
    WriteBytes("duza.ini", Bytes(kImageSize, 1));
    auto held = files.OpenRead("duza.ini");
    EXPECT_THROW(ReadSettingsFile("duza.ini", image, files), PlatformError);
    EXPECT_EQ(image.loaded, 0);
}

TEST(SettingsRoundTripTest, SavingThenReadingGivesBackTheBytes) {
    testing::FormFixture fixture;
    TForm1& form = fixture.Create();
    form.CheckBox3.SetChecked(true);
    form.Edit1.SetText("4660");
    fixture.dialogs.answers.push_back("duza.ini");
    fixture.Act([&] { form.BitBtn1.Click(); });
    const auto written = form.SettingsImage().bytes;
    SettingsImage read;
    ASSERT_TRUE(ReadSettingsFile("duza.ini", read, fixture.files));
    EXPECT_EQ(read.bytes, written);
}

}  // namespace
}  // namespace vocset
