// Showing a settings image in the controls, at start-up and by "Read configuration file".
#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace vocset {
namespace {

using testing::FormFixture;
using Bytes = std::vector<std::uint8_t>;
namespace img = image;

class ShowImageTest : public ::testing::Test {
protected:
    // The image that "Save configuration file" writes for the untouched window.
    Bytes DefaultImage() {
        FormFixture saver;
        saver.Create();
        return saver.SaveImage();
    }
    // Loads the bytes as a read does and shows them.
    void Show(const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), form.SettingsImage().bytes.begin());
        form.SettingsImage().loaded = 1;
        fixture.Act([this] { form.ShowBuf(); });
    }
    Bytes With(std::initializer_list<std::pair<std::size_t, std::uint8_t>> changes) {
        Bytes bytes = DefaultImage();
        for (const auto& [offset, value] : changes) bytes.at(offset) = value;
        return bytes;
    }
    void Click(CheckBox& box) {
        fixture.Act([&] { box.UserClick(); });
    }

    FormFixture fixture;
    TForm1& form = fixture.Create();
};

TEST_F(ShowImageTest, TheDefaultImageShowsTheDefaultsAndSavesBackByteForByte) {
    const Bytes image = DefaultImage();
    EXPECT_EQ(image[img::kGainOrVoxSensitivity], 0xFF);
    Show(image);
    EXPECT_EQ(form.ComboBox1.ItemIndex(), -1);  // 0xFF: neither list was enabled at the save
    EXPECT_EQ(form.ComboBox49.ItemIndex(), 0);
    EXPECT_TRUE(form.CheckBox2.Checked());
    EXPECT_EQ(form.Edit1.Text(), "0");
    EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{2010, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(form.MaskEdit1.Text(), " 0:00:00");
    EXPECT_EQ(form.SettingsImage().loaded, 0);
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_TRUE(fixture.messages.errors.empty());
    EXPECT_EQ(fixture.SaveImage(), image);
}

TEST_F(ShowImageTest, ACyclicImageShowsBothAlarmBoxesAndSavesBackByteForByte) {
    FormFixture saver;
    TForm1& other = saver.Create();
    saver.Act([&] {
        other.CheckBox4.UserClick();
        other.CheckBox5.UserClick();
        other.CheckBox8.UserClick();
        other.ComboBox47.UserSelect(7);
        other.ComboBox46.UserSelect(30);
        other.ComboBox48.UserSelect(3);
    });
    const Bytes image = saver.SaveImage();
    Show(image);
    EXPECT_TRUE(form.CheckBox5.Checked());
    EXPECT_TRUE(form.CheckBox8.Checked());
    EXPECT_TRUE(form.Panel5.Visible());
    EXPECT_FALSE(form.Panel4.Visible());
    EXPECT_EQ(form.ComboBox4.ItemIndex(), 0);
    EXPECT_EQ(form.ComboBox47.ItemIndex(), 7);
    EXPECT_EQ(form.ComboBox46.ItemIndex(), 30);
    EXPECT_EQ(form.ComboBox48.ItemIndex(), 3);
    // Entry 1's hour, minute and duration are the same bytes; entry 1's day is 0xFF.
    EXPECT_EQ(form.ComboBoxNumber(5).ItemIndex(), -1);
    EXPECT_EQ(form.ComboBoxNumber(6).ItemIndex(), 7);
    EXPECT_EQ(form.ComboBoxNumber(7).ItemIndex(), 30);
    EXPECT_EQ(form.ComboBoxNumber(8).ItemIndex(), 3);
    for (int k = 2; k <= kAlarmRows; ++k) {
        EXPECT_EQ(form.AlarmList(k, AlarmColumn::Day).ItemIndex(), -1) << k;
        EXPECT_EQ(form.AlarmList(k, AlarmColumn::Hour).ItemIndex(), 0) << k;
        EXPECT_EQ(form.AlarmList(k, AlarmColumn::Minute).ItemIndex(), 0) << k;
        EXPECT_EQ(form.AlarmList(k, AlarmColumn::Duration).ItemIndex(), -1) << k;
    }
    EXPECT_EQ(fixture.SaveImage(), image);
}

struct FieldCase {
    const char* name;
    std::vector<std::pair<std::size_t, std::uint8_t>> changes;
    std::function<void(const TForm1&)> expect;
};

class ShowFieldTest : public ShowImageTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(ShowFieldTest, TheBytesSetTheirControlsByTheFixedRules) {
    // Controls set away from the defaults first, so that "left as it was" shows.
    fixture.Act([&] {
        form.ComboBox49.UserSelect(1);
        form.CheckBox7.UserClick();
        form.ComboBox45.UserSelect(0);
    });
    Bytes image = DefaultImage();
    for (const auto& [offset, value] : GetParam().changes) image.at(offset) = value;
    Show(image);
    GetParam().expect(form);
    EXPECT_TRUE(fixture.messages.errors.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bytes, ShowFieldTest,
    ::testing::Values(
        FieldCase{"GainSixDbAlsoSelectsMiddle", {{img::kGainOrVoxSensitivity, 3}},
                  [](const TForm1& f) {
                      EXPECT_EQ(f.ComboBox1.ItemIndex(), 3);
                      EXPECT_EQ(f.ComboBox49.ItemIndex(), 1);
                  }},
        FieldCase{"HighAlsoSelectsTwelveDb", {{img::kGainOrVoxSensitivity, 4}, {img::kVoiceActivation, 0x55}},
                  [](const TForm1& f) {
                      EXPECT_EQ(f.ComboBox1.ItemIndex(), 4);
                      EXPECT_EQ(f.ComboBox49.ItemIndex(), 0);
                  }},
        FieldCase{"GainZeroDbAlsoSelectsLow", {{img::kGainOrVoxSensitivity, 2}},
                  [](const TForm1& f) {
                      EXPECT_EQ(f.ComboBox1.ItemIndex(), 2);
                      EXPECT_EQ(f.ComboBox49.ItemIndex(), 2);
                  }},
        FieldCase{"GainEighteenDbLeavesTheSensitivity", {{img::kGainOrVoxSensitivity, 5}},
                  [](const TForm1& f) {
                      EXPECT_EQ(f.ComboBox1.ItemIndex(), 5);
                      EXPECT_EQ(f.ComboBox49.ItemIndex(), 1);
                  }},
        FieldCase{"FrequencyCodesOfRemovedItemsSelectNothing", {{img::kFrequency, 3}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBox3.ItemIndex(), -1); }},
        FieldCase{"FrequencyEightKilohertz", {{img::kFrequency, 0}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBox3.ItemIndex(), 0); }},
        FieldCase{"Resolution20BitSelectsNothingAndEnablesAutomaticGain",
                  {{img::kResolution, 1}, {img::kAutomaticGain, 0}},
                  [](const TForm1& f) {
                      EXPECT_EQ(f.ComboBox45.ItemIndex(), -1);
                      EXPECT_TRUE(f.CheckBox2.Enabled());
                      EXPECT_TRUE(f.Label1.Enabled());
                      EXPECT_TRUE(f.ComboBox1.Enabled());
                  }},
        FieldCase{"ResolutionULaw", {{img::kResolution, 2}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBox45.ItemIndex(), 0); }},
        FieldCase{"UnknownResolutionLeavesTheList", {{img::kResolution, 3}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBox45.ItemIndex(), 0); }},
        FieldCase{"NeverWrittenResolutionLeavesTheList", {{img::kResolution, 0xFF}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBox45.ItemIndex(), 0); }},
        FieldCase{"UnknownAlarmModeLeavesBothBoxes", {{img::kAlarmMode, 3}},
                  [](const TForm1& f) {
                      EXPECT_FALSE(f.CheckBox5.Checked());
                      EXPECT_FALSE(f.CheckBox8.Checked());
                  }},
        FieldCase{"VoxWithBeep", {{img::kVoiceActivation, 0x56}},
                  [](const TForm1& f) {
                      EXPECT_TRUE(f.CheckBox1.Checked());
                      EXPECT_TRUE(f.CheckBox9.Checked());
                  }},
        FieldCase{"UnknownVoxCodeLeavesBothBoxes", {{img::kVoiceActivation, 0x57}},
                  [](const TForm1& f) {
                      EXPECT_FALSE(f.CheckBox1.Checked());
                      EXPECT_FALSE(f.CheckBox9.Checked());
                  }},
        FieldCase{"LoggerCodeZeroLeavesTheBox", {{img::kLogger, 0x00}},
                  [](const TForm1& f) { EXPECT_TRUE(f.CheckBox7.Checked()); }},
        FieldCase{"LoggerNeverWrittenUnticks", {{img::kLogger, 0xFF}},
                  [](const TForm1& f) { EXPECT_FALSE(f.CheckBox7.Checked()); }},
        FieldCase{"PasswordTopOfTheRange", {{img::kPasswordLow, 0xFF}, {img::kPasswordHigh, 0xFF}},
                  [](const TForm1& f) { EXPECT_EQ(f.Edit1.Text(), "65535"); }},
        FieldCase{"PasswordLowByteFirst", {{img::kPasswordLow, 0x39}, {img::kPasswordHigh, 0x30}},
                  [](const TForm1& f) { EXPECT_EQ(f.Edit1.Text(), "12345"); }},
        FieldCase{"EncryptionEnablesThePassword", {{img::kEncryption, 1}},
                  [](const TForm1& f) {
                      EXPECT_TRUE(f.CheckBox3.Checked());
                      EXPECT_TRUE(f.Edit1.Enabled());
                  }},
        FieldCase{"FileSizeOutsideTheList", {{img::kFileSize, 6}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBox2.ItemIndex(), -1); }},
        FieldCase{"AlarmDayZeroSelectsNothing", {{img::AlarmEntry(4) + img::kEntryDay, 0}},
                  [](const TForm1& f) { EXPECT_EQ(f.ComboBoxNumber(17).ItemIndex(), -1); }},
        FieldCase{"AlarmFields", {{img::AlarmEntry(10) + 1, 31}, {img::AlarmEntry(10) + 2, 23},
                                  {img::AlarmEntry(10) + 3, 59}, {img::AlarmEntry(10) + 4, 23}},
                  [](const TForm1& f) {
                      EXPECT_EQ(f.ComboBoxNumber(41).ItemIndex(), 30);
                      EXPECT_EQ(f.ComboBoxNumber(42).ItemIndex(), 23);
                      EXPECT_EQ(f.ComboBoxNumber(43).ItemIndex(), 59);
                      EXPECT_EQ(f.ComboBoxNumber(44).ItemIndex(), 22);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The three flag bytes tick their box for 1 alone.
TEST_F(ShowImageTest, AFlagByteOtherThanOneUnticksItsBox) {
    struct Case {
        std::size_t offset;
        CheckBox& box;
    };
    const Case cases[] = {
        {img::kAutomaticGain, form.CheckBox2}, {img::kEncryption, form.CheckBox3}, {img::kSetClock, form.CheckBox4}};
    for (const Case& c : cases) {
        for (std::uint8_t value : {0xFF, 2, 0}) {
            Show(With({{c.offset, 1}}));
            ASSERT_TRUE(c.box.Checked()) << c.offset;
            Show(With({{c.offset, value}}));
            EXPECT_FALSE(c.box.Checked()) << c.offset << " = " << int{value};
        }
    }
}

// Automatic gain keeps the gain list disabled, so a save does not store the gain that the image held.
TEST_F(ShowImageTest, AutomaticGainKeepsTheGainListDisabledAndOutOfTheNextSave) {
    Show(With({{img::kAutomaticGain, 1}, {img::kVoiceActivation, img::kVoxOff}, {img::kGainOrVoxSensitivity, 3}}));
    EXPECT_EQ(form.ComboBox1.ItemIndex(), 3);
    EXPECT_FALSE(form.Label1.Enabled());
    EXPECT_FALSE(form.ComboBox1.Enabled());
    EXPECT_EQ(fixture.SaveImage().at(img::kGainOrVoxSensitivity), 0xFF);
}

struct CalendarCase {
    const char* name;
    int year, month, day;
    const char* error;  // nullptr: the day is shown
};

class ShowCalendarTest : public ShowImageTest, public ::testing::WithParamInterface<CalendarCase> {};

TEST_P(ShowCalendarTest, TheStoredDayIsShownWhenTheCalendarAndThePickerHoldIt) {
    const CalendarCase& c = GetParam();
    Show(With({{img::kYearHigh, static_cast<std::uint8_t>(c.year / 256)},
               {img::kYearLow, static_cast<std::uint8_t>(c.year % 256)},
               {img::kMonth, static_cast<std::uint8_t>(c.month)},
               {img::kDay, static_cast<std::uint8_t>(c.day)}}));
    if (c.error) {
        EXPECT_EQ(fixture.messages.errors, std::vector<std::string>{std::string(c.error) + "."});
        EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{2010, 1, 1, 0, 0, 0, 0}));
    } else {
        EXPECT_TRUE(fixture.messages.errors.empty());
        EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{c.year, c.month, c.day, 0, 0, 0, 0}));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Days, ShowCalendarTest,
    ::testing::Values(
        CalendarCase{"NoLeapDayInACenturyYear", 2100, 2, 29, "''29.2.2100 0:0:0'' is not a valid date and time"},
        CalendarCase{"NoLeapDayIn1900", 1900, 2, 29, "''29.2.1900 0:0:0'' is not a valid date and time"},
        CalendarCase{"LeapDayInAYearOf400", 2000, 2, 29, nullptr},
        CalendarCase{"LeapDayInAYearOf4", 2016, 2, 29, nullptr},
        CalendarCase{"LastDayOfTheYear", 2016, 12, 31, nullptr},
        CalendarCase{"FirstDayThePickerHolds", 1752, 9, 14, nullptr},
        CalendarCase{"DayBeforeThePickerHolds", 1752, 9, 13, "Failed to set calendar date or time"},
        CalendarCase{"LastDayThePickerHolds", 9999, 12, 31, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ShowImageTest, TheHighestMarkedEntryFromTwoOnGivesTheNumberOfAlarmClocks) {
    struct Case {
        std::vector<int> marked;  // entries whose enabled byte is 1; all others 0
        std::uint8_t other;
        int count;
    };
    const Case cases[] = {{{3, 7}, 0, 7}, {{1}, 0, 1}, {{}, 0, 1}, {{2}, 0xFF, 2}, {{10}, 0, 10}, {{}, 0xFF, 1}};
    for (const Case& c : cases) {
        Bytes image = With({{img::kSetClock, 1}, {img::kAlarmMode, img::kAlarmModeClocks}});
        for (int k = 1; k <= 10; ++k) image[img::AlarmEntry(k)] = c.other;
        for (int k : c.marked) image[img::AlarmEntry(k)] = 1;
        Show(image);
        EXPECT_EQ(form.ComboBox4.ItemIndex(), c.count - 1);
        for (int k = 1; k <= kAlarmRows; ++k) {
            for (AlarmColumn column : kAlarmColumns) EXPECT_EQ(form.AlarmList(k, column).Enabled(), k <= c.count) << k;
        }
    }
}

TEST_F(ShowImageTest, AlarmsOnWithTheClockOffAskForTheClockInTheMiddle) {
    std::vector<bool> seen;
    fixture.messages.whileOpen = [&](const std::string&) {
        seen = {form.CheckBox5.Checked(), form.CheckBox4.Checked(), form.SettingsImage().loaded == 1};
    };
    Show(With({{img::kSetClock, 0}, {img::kAlarmMode, img::kAlarmModeClocks}}));
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Please setup real time clock firstly"});
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(form.CheckBox4.Checked());
    EXPECT_TRUE(form.ComboBox4.Enabled());
}

// The clock box is set before the alarm mode, whose rule then finds the image's clock.
TEST_F(ShowImageTest, TheClockIsSetBeforeTheAlarmMode) {
    Show(With({{img::kSetClock, 1}, {img::kAlarmMode, img::kAlarmModeClocks}}));
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_TRUE(form.CheckBox5.Checked());

    // Alarms are on now: the clock's rule ticks it again before the alarm mode switches them off.
    Show(With({{img::kSetClock, 0}, {img::kAlarmMode, img::kAlarmModeOff}}));
    EXPECT_TRUE(form.CheckBox4.Checked());
    EXPECT_FALSE(form.CheckBox5.Checked());
}

TEST_F(ShowImageTest, AlarmModesWithoutTheCyclicAlarmUntickItAndShowTheTable) {
    for (std::uint8_t mode : {img::kAlarmModeOff, img::kAlarmModeClocks}) {
        Show(With({{img::kSetClock, 1}, {img::kAlarmMode, img::kAlarmModeCyclic}}));
        ASSERT_TRUE(form.CheckBox8.Checked());
        ASSERT_TRUE(form.Panel5.Visible());
        Show(With({{img::kSetClock, 1}, {img::kAlarmMode, mode}}));
        EXPECT_FALSE(form.CheckBox8.Checked()) << int{mode};
        EXPECT_TRUE(form.Panel4.Visible()) << int{mode};
        EXPECT_FALSE(form.Panel5.Visible()) << int{mode};
    }
}

TEST_F(ShowImageTest, TheClockOffWhileAlarmsAreOnStaysOn) {
    Click(form.CheckBox4);
    Click(form.CheckBox5);
    Show(With({{img::kSetClock, 0}, {img::kAlarmMode, 3}}));
    EXPECT_TRUE(form.CheckBox4.Checked());
    EXPECT_TRUE(form.CheckBox5.Checked());
}

TEST_F(ShowImageTest, VoxRunsItsRuleOnlyWhenItsTickChanges) {
    const Bytes image = With({{img::kVoiceActivation, img::kVoxOn}, {img::kAutomaticGain, 0}});
    Show(image);  // unticked before: the VOX rule runs
    EXPECT_TRUE(form.CheckBox1.Checked());
    EXPECT_FALSE(form.CheckBox2.Enabled());
    EXPECT_FALSE(form.ComboBox1.Enabled());

    Show(image);  // ticked before: only the resolution rule of the show runs
    EXPECT_TRUE(form.CheckBox2.Enabled());
    EXPECT_TRUE(form.Label1.Enabled());
    EXPECT_TRUE(form.ComboBox1.Enabled());

    Click(form.CheckBox9);
    Show(With({{img::kVoiceActivation, 0x57}}));  // no code of the box: both stay
    EXPECT_TRUE(form.CheckBox1.Checked());
    EXPECT_TRUE(form.CheckBox9.Checked());
    Show(With({{img::kVoiceActivation, 0xFF}}));
    EXPECT_FALSE(form.CheckBox1.Checked());
    EXPECT_FALSE(form.CheckBox9.Checked());
}

TEST_F(ShowImageTest, SystemTimeIsUntickedAndTheClockStopped) {
    Click(form.CheckBox4);
    Click(form.CheckBox6);
    Show(With({{img::kSetClock, 1}, {img::kHour, 13}, {img::kMinute, 5}, {img::kSecond, 9}}));
    EXPECT_FALSE(form.CheckBox6.Checked());
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.MaskEdit1.Text(), "13:05:09");
    EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{2010, 1, 1, 13, 5, 9, 0}));
}

// The stored numbers are the date, whatever the region writes: the same image shows the same value.
TEST_F(ShowImageTest, TheSameDateOnEveryRegionalSetting) {
    const Bytes image = With({{img::kYearHigh, 0x07},
                              {img::kYearLow, 0xE0},
                              {img::kMonth, 3},
                              {img::kDay, 5},
                              {img::kHour, 9},
                              {img::kMinute, 7},
                              {img::kSecond, 0}});
    struct Case {
        TimeFormat format;
        const char* text;
    };
    for (const Case& c :
         {Case{{":", false}, " 9:07:00"}, Case{{":", true}, "09:07:00"}, Case{{".", true}, "09.07.00"}}) {
        FormFixture regional;
        regional.locale.timeFormat = c.format;
        TForm1& other = regional.Create();
        std::copy(image.begin(), image.end(), other.SettingsImage().bytes.begin());
        regional.Act([&] { other.ShowBuf(); });
        EXPECT_EQ(other.DateTimePicker1.Value(), (DateTime{2016, 3, 5, 9, 7, 0, 0})) << c.text;
        EXPECT_EQ(other.MaskEdit1.Text(), c.text);
        EXPECT_TRUE(regional.messages.errors.empty());
    }
}

TEST_F(ShowImageTest, ADateThatIsNoneStopsTheShowWithTheFlagLeftSet) {
    struct Case {
        std::vector<std::pair<std::size_t, std::uint8_t>> date;
        const char* error;
    };
    const Case cases[] = {
        {{{img::kMonth, 13}}, "''1.13.2010 0:0:0'' is not a valid date and time"},
        {{{img::kMonth, 2}, {img::kDay, 30}}, "''30.2.2010 0:0:0'' is not a valid date and time"},
        {{{img::kMonth, 2}, {img::kDay, 29}, {img::kYearLow, 0xD9}},
         "''29.2.2009 0:0:0'' is not a valid date and time"},
        {{{img::kHour, 24}}, "''1.1.2010 24:0:0'' is not a valid date and time"},
        // A valid day other than the window's: the picker keeps its date when the time is no time.
        {{{img::kYearHigh, 0x07}, {img::kYearLow, 0xE0}, {img::kMonth, 3}, {img::kDay, 5}, {img::kHour, 24}},
         "''5.3.2016 24:0:0'' is not a valid date and time"},
        {{{img::kSecond, 0xFF}}, "''1.1.2010 0:0:255'' is not a valid date and time"},
        {{{img::kYearHigh, 0xFF}, {img::kYearLow, 0xFF}}, "''1.1.65535 0:0:0'' is not a valid date and time"},
        {{{img::kYearHigh, 0}, {img::kYearLow, 0}}, "''1.1.0 0:0:0'' is not a valid date and time"},
        {{{img::kYearHigh, 0x06}, {img::kYearLow, 0xA4}}, "Failed to set calendar date or time"},  // 1700
    };
    for (const Case& c : cases) {
        FormFixture run;
        TForm1& other = run.Create();
        Bytes image = With({{img::kEncryption, 1}, {img::kAlarmMode, img::kAlarmModeClocks}, {img::kLogger, 0x55}});
        for (const auto& [offset, value] : c.date) image[offset] = value;
        std::copy(image.begin(), image.end(), other.SettingsImage().bytes.begin());
        other.SettingsImage().loaded = 1;
        run.Act([&] { other.FormShow(); });
        EXPECT_EQ(run.messages.errors, std::vector<std::string>{std::string(c.error) + "."});
        EXPECT_TRUE(other.CheckBox3.Checked()) << "steps before the date ran";
        EXPECT_FALSE(other.CheckBox5.Checked()) << "steps after the date did not";
        EXPECT_FALSE(other.CheckBox7.Checked());
        EXPECT_EQ(other.DateTimePicker1.Value(), (DateTime{2010, 1, 1, 0, 0, 0, 0}));
        EXPECT_EQ(other.SettingsImage().loaded, 1);
    }
}

TEST_F(ShowImageTest, FormShowShowsOnlyALoadedImage) {
    form.SettingsImage().bytes[img::kEncryption] = 1;
    form.SettingsImage().loaded = 0;
    fixture.Act([&] { form.FormShow(); });
    EXPECT_FALSE(form.CheckBox3.Checked());
}

TEST(ShowImageStartTest, ADuzaIniInTheCurrentFolderIsShownWhenTheWindowAppears) {
    FormFixture fixture;
    Bytes image;
    {
        FormFixture saver;
        TForm1& other = saver.Create();
        saver.Act([&] {
            other.CheckBox3.UserClick();
            other.CheckBox7.UserClick();
        });
        image = saver.SaveImage();
    }
    testing::WriteBytes("duza.ini", image);
    TForm1& form = fixture.Create();
    EXPECT_FALSE(form.CheckBox3.Checked());
    fixture.Act([&] { form.FormShow(); });
    EXPECT_TRUE(form.CheckBox3.Checked());
    EXPECT_TRUE(form.CheckBox7.Checked());
    EXPECT_EQ(form.SettingsImage().loaded, 0);
}

class ReadCommandTest : public ShowImageTest {
protected:
    void Read(std::optional<std::string> answer) {
        fixture.dialogs.answers.push_back(std::move(answer));
        fixture.Act([this] { form.BitBtn2.Click(); });
    }
    Bytes EncryptedImage() { return With({{img::kEncryption, 1}}); }
};

TEST_F(ReadCommandTest, AChosenDuzaIniIsReadThenSystemTimeUntickedThenShown) {
    testing::WriteBytes("DUZA.INI", EncryptedImage());
    Click(form.CheckBox4);
    Click(form.CheckBox6);
    std::vector<bool> seen;
    fixture.messages.whileOpen = [&](const std::string&) {
        seen = {form.CheckBox6.Checked(), form.Timer1.Enabled(), form.CheckBox3.Checked()};
    };
    Read("DUZA.INI");  // the name test is made in lower case
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Settings file read complete"});
    EXPECT_EQ(seen, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(form.CheckBox6.Checked());
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_TRUE(form.CheckBox3.Checked());
    const auto& shown = fixture.dialogs.shown.at(0);
    EXPECT_EQ(shown.kind, FileDialogKind::Open);
    EXPECT_EQ(shown.fileName, "duza.ini");
    EXPECT_EQ(shown.initialDir, fixture.files.CurrentDirectory());
    EXPECT_EQ(shown.filter, "duza.ini|duza.ini");
}

// Also a show that stops at the date finds the clock stopped: the command unticked "System time" first.
TEST_F(ReadCommandTest, SystemTimeIsUntickedBeforeTheShowAlsoWhenTheShowFails) {
    testing::WriteBytes("duza.ini", With({{img::kMonth, 13}}));
    Click(form.CheckBox4);
    Click(form.CheckBox6);
    Read("duza.ini");
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Settings file read complete"});
    EXPECT_EQ(fixture.messages.errors, std::vector<std::string>{"''1.13.2010 0:0:0'' is not a valid date and time."});
    EXPECT_FALSE(form.CheckBox6.Checked());
    EXPECT_FALSE(form.Timer1.Enabled());
}

// Only the name is tested; the file is read from the folder that the dialog named.
TEST_F(ReadCommandTest, ADuzaIniInASubfolderIsReadFromThere) {
    fixture.files.backslashSeparates = true;
    std::filesystem::create_directory("sub");
    testing::WriteBytes("sub/DUZA.INI", EncryptedImage());
    Read("sub\\DUZA.INI");
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Settings file read complete"});
    EXPECT_TRUE(form.CheckBox3.Checked());
}

TEST_F(ReadCommandTest, FilesThatAreNoSettingsImageLeaveEverythingAsItWas) {
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        std::size_t size;  // of the file written first; 0: none
        std::vector<std::string> messages;
        std::int64_t readLimit = -1;  // reads deliver no byte from here on
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, 512, {}},
        {"511 bytes", "duza.ini", 511, {"Settings file not found"}},
        {"513 bytes", "duza.ini", 513, {"Settings file not found"}},
        {"missing", "duza.ini", 0, {"Settings file not found"}},
        {"another name", "other.ini", 512, {"Opens a file should be named duza.ini"}},
        {"a further extension", "duza.ini.bak", 512, {"Opens a file should be named duza.ini"}},
        {"a short read", "duza.ini", 512, {"Settings file not found"}, 100},
    };
    for (const Case& c : cases) {
        std::filesystem::remove("duza.ini");
        if (c.size > 0) {
            Bytes bytes = EncryptedImage();
            bytes.resize(c.size, 0);
            testing::WriteBytes(c.answer.value_or("duza.ini"), bytes);
        }
        fixture.messages.messages.clear();
        fixture.files.readLimit = c.readLimit;
        Read(c.answer);
        EXPECT_EQ(fixture.messages.messages, c.messages) << c.name;
        EXPECT_FALSE(form.CheckBox3.Checked()) << c.name;
        EXPECT_TRUE(fixture.messages.errors.empty()) << c.name;
    }
}

TEST_F(ReadCommandTest, AnyFiveHundredTwelveBytesAreShownAlsoWithoutTheMagic) {
    Bytes image = EncryptedImage();
    std::fill(image.begin(), image.begin() + 5, 0);
    testing::WriteBytes("duza.ini", image);
    Read("duza.ini");
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Settings file read complete"});
    EXPECT_TRUE(form.CheckBox3.Checked());
}

}  // namespace
}  // namespace vocset
