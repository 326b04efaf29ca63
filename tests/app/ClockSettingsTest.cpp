// The rules of the real-time clock: its fields, "System time" and the running clock.
#include <gtest/gtest.h>

#include "support/FormFixture.h"
#include "widgets/EnterKey.h"
#include "widgets/TimeText.h"

namespace vocset {
namespace {

using testing::FormFixture;

class ClockTest : public ::testing::Test {
protected:
    void Click(CheckBox& box) {
        fixture.Act([&] { box.UserClick(); });
    }
    void Tick() {
        fixture.Act([&] { form.Timer1.Tick(); });
    }
    std::vector<bool> FieldsEnabled() const {
        return {form.Label5.Enabled(), form.DateTimePicker1.Enabled(), form.MaskEdit1.Enabled(),
                form.CheckBox6.Enabled()};
    }
    // "Setup real time clock" and "System time" ticked: the clock runs.
    void StartClock() {
        Click(form.CheckBox4);
        Click(form.CheckBox6);
    }

    FormFixture fixture;
    TForm1& form = fixture.Create();
    const std::vector<bool> allEnabled{true, true, true, true};
    const std::vector<bool> allDisabled{false, false, false, false};
};

TEST_F(ClockTest, SetupRealTimeClockEnablesItsFieldsAndKeepsTheirValues) {
    EXPECT_EQ(FieldsEnabled(), allDisabled);
    Click(form.CheckBox4);
    EXPECT_EQ(FieldsEnabled(), allEnabled);
    Click(form.CheckBox6);
    const DateTime shown = form.DateTimePicker1.Value();
    Click(form.CheckBox4);
    EXPECT_EQ(FieldsEnabled(), allDisabled);
    EXPECT_TRUE(form.CheckBox6.Checked());
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_EQ(form.DateTimePicker1.Value(), shown);
}

TEST_F(ClockTest, TheClockCannotBeUntickedWhileAlarmsAreOn) {
    Click(form.CheckBox4);
    Click(form.CheckBox5);
    int clockRuleRuns = 0;
    Handler clockRule = form.CheckBox4.OnClick;
    form.CheckBox4.OnClick = [&] {
        ++clockRuleRuns;
        clockRule();
    };
    Click(form.CheckBox4);
    EXPECT_TRUE(form.CheckBox4.Checked());
    EXPECT_EQ(clockRuleRuns, 2);  // unticked, then ticked again
    EXPECT_EQ(FieldsEnabled(), allEnabled);
    EXPECT_TRUE(fixture.messages.messages.empty());
}

TEST_F(ClockTest, SystemTimeShowsOneReadingOfTheComputersClockInBothFields) {
    fixture.clock.now = {2026, 12, 10, 9, 7, 5, 250};
    StartClock();
    EXPECT_EQ(fixture.clock.readings, 1);
    EXPECT_EQ(form.MaskEdit1.Text(), " 9:07:05");
    // The typed-time rule carried the text into the value: seconds, no parts of one.
    EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{2026, 12, 10, 9, 7, 5, 0}));
    EXPECT_TRUE(form.Timer1.Enabled());

    Click(form.CheckBox6);
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.MaskEdit1.Text(), " 9:07:05");
}

TEST_F(ClockTest, TheTimeTextFollowsTheRegionInTwentyFourHours) {
    struct Case {
        TimeFormat format;
        int hour;
        const char* text;
    };
    const Case cases[] = {{{":", false}, 21, "21:07:05"},
                          {{":", false}, 9, " 9:07:05"},
                          {{":", true}, 9, "09:07:05"},
                          {{".", true}, 0, "00.07.05"}};
    for (const Case& c : cases) {
        FormFixture regional;
        regional.locale.timeFormat = c.format;
        regional.clock.now = {2026, 12, 10, c.hour, 7, 5, 0};
        TForm1& other = regional.Create();
        regional.Act([&] {
            other.CheckBox4.UserClick();
            other.CheckBox6.UserClick();
        });
        EXPECT_EQ(other.MaskEdit1.Text(), c.text);
        EXPECT_EQ(other.DateTimePicker1.Value().hour, c.hour) << c.text;
    }
}

TEST_F(ClockTest, EachTickCopiesTheClockUnlessAFieldHasTheFocus) {
    StartClock();
    fixture.clock.now = {2027, 1, 1, 0, 0, 1, 0};
    Tick();
    EXPECT_EQ(form.DateTimePicker1.Value(), fixture.clock.now);
    EXPECT_EQ(form.MaskEdit1.Text(), " 0:00:01");

    for (Control* field : std::initializer_list<Control*>{&form.DateTimePicker1, &form.MaskEdit1}) {
        fixture.FocusOn(*field);
        fixture.clock.now.second += 1;
        Tick();
        EXPECT_EQ(form.MaskEdit1.Text(), " 0:00:01");
        EXPECT_TRUE(form.Timer1.Enabled());  // the ticks go on
    }
    // A date typed into the date field without a click is overwritten once the focus has left.
    form.DateTimePicker1.UserSetDate(2030, 5, 5);
    fixture.FocusOn(form.CheckBox7);
    Tick();
    EXPECT_EQ(form.DateTimePicker1.Value(), fixture.clock.now);
}

// Another program's window, or a box of the window's own, takes the keyboard focus from the field:
// the ticks copy the clock until the window is active again, when the field has the focus again.
TEST_F(ClockTest, WhileTheWindowIsInactiveEachTickCopiesTheClock) {
    StartClock();
    fixture.clock.now = {2027, 1, 1, 0, 0, 1, 0};
    for (Control* field : std::initializer_list<Control*>{&form.DateTimePicker1, &form.MaskEdit1}) {
        fixture.FocusOn(*field);
        const std::string paused = form.MaskEdit1.Text();
        fixture.clock.now.second += 1;
        Tick();
        EXPECT_EQ(form.MaskEdit1.Text(), paused);

        form.Focus().SetWindowActive(false);
        for (int tick = 0; tick < 2; ++tick) {
            fixture.clock.now.second += 1;
            Tick();
            EXPECT_EQ(form.DateTimePicker1.Value(), fixture.clock.now) << field->Id();
            EXPECT_EQ(form.MaskEdit1.Text(), ClockTimeText(fixture.clock.now, fixture.locale.timeFormat));
        }

        form.Focus().SetWindowActive(true);
        EXPECT_TRUE(form.Focus().Has(*field));
        const std::string shown = form.MaskEdit1.Text();
        fixture.clock.now.second += 1;
        Tick();
        EXPECT_EQ(form.MaskEdit1.Text(), shown) << field->Id();
    }
}

// Enter in the time field presses "Save configuration file"; while its dialog is open the clock
// runs on, so the file holds the time of the save, and afterwards the field has the focus again.
TEST_F(ClockTest, SavingWithTheTimeFieldFocusedStoresTheTimeOfTheSave) {
    StartClock();
    fixture.FocusOn(form.MaskEdit1);
    fixture.clock.now = {2027, 3, 4, 5, 6, 7, 0};
    Tick();
    EXPECT_EQ(form.MaskEdit1.Text(), "21:07:05");  // paused: still the time of tabbing in

    const DateTime saved{2027, 3, 4, 5, 6, 9, 0};
    fixture.dialogs.whileOpen = [&] {
        fixture.clock.now = saved;
        Tick();
    };
    fixture.dialogs.answers.push_back("duza.ini");
    BitBtn* enter = ButtonForEnter(form.Focus().Focused(), form.DefaultButtons(), &form.TabSheet1, false);
    ASSERT_EQ(enter, &form.BitBtn1);
    fixture.Act([&] { enter->Click(); });
    const std::vector<std::uint8_t> image = testing::ReadBytes("duza.ini");
    ASSERT_EQ(image.size(), 512u);
    const std::vector<std::uint8_t> clockBytes(image.begin() + image::kYearHigh, image.begin() + image::kSecond + 1);
    EXPECT_EQ(clockBytes, (std::vector<std::uint8_t>{0x07, 0xEB, 3, 4, 5, 6, 9}));
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Settings file write completed"});

    EXPECT_TRUE(form.Focus().Has(form.MaskEdit1));
    fixture.clock.now.second += 1;
    Tick();
    EXPECT_EQ(form.MaskEdit1.Text(), " 5:06:09");
}

TEST_F(ClockTest, UntickingTheClockFreezesTheFieldsUntilTheNextTickAfterTickingIt) {
    StartClock();
    const DateTime frozen = form.DateTimePicker1.Value();
    Click(form.CheckBox4);
    fixture.clock.now = {2027, 2, 3, 4, 5, 6, 0};
    Tick();
    EXPECT_EQ(form.DateTimePicker1.Value(), frozen);
    Click(form.CheckBox4);
    EXPECT_EQ(form.DateTimePicker1.Value(), frozen);
    Tick();
    EXPECT_EQ(form.DateTimePicker1.Value(), fixture.clock.now);
}

TEST_F(ClockTest, WorkingInTheFieldsStopsTheClockAndSystemTimeKeepsItsTick) {
    const std::vector<std::pair<const char*, std::function<void()>>> stops = {
        {"click in the time field", [&] { form.MaskEdit1.UserClick(); }},
        {"key in the time field", [&] { form.MaskEdit1.UserKeyPress(u'x'); }},
        {"click in the date field", [&] { form.DateTimePicker1.UserClick(); }},
    };
    StartClock();
    for (const auto& [what, stop] : stops) {
        fixture.Act(stop);
        EXPECT_FALSE(form.Timer1.Enabled()) << what;
        EXPECT_TRUE(form.CheckBox6.Checked()) << what;
        // Unticking and ticking again copies the clock at once and restarts it.
        fixture.clock.now.minute += 1;
        Click(form.CheckBox6);
        Click(form.CheckBox6);
        EXPECT_TRUE(form.Timer1.Enabled()) << what;
        EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{2026, 12, 10, 21, fixture.clock.now.minute, 5, 0})) << what;
    }
}

TEST_F(ClockTest, TheTypedTimeBecomesTheDatesTimeOfDayWhenItIsOne) {
    Click(form.CheckBox4);
    form.DateTimePicker1.SetValue({2016, 2, 29, 1, 2, 3, 0});
    struct Case {
        const char* text;
        DateTime value;
    };
    const Case cases[] = {
        {"12:34:56", {2016, 2, 29, 12, 34, 56, 0}}, {" 9:07:05", {2016, 2, 29, 9, 7, 5, 0}},
        {"24:00:00", {2016, 2, 29, 9, 7, 5, 0}},  // changes nothing, shows nothing
        {"12:3 :56", {2016, 2, 29, 9, 7, 5, 0}},    {"23:59:60", {2016, 2, 29, 9, 7, 5, 0}},
        {"  :  :  ", {2016, 2, 29, 9, 7, 5, 0}},    {"23:59:59", {2016, 2, 29, 23, 59, 59, 0}},
    };
    for (const Case& c : cases) {
        fixture.Act([&] { form.MaskEdit1.UserSetText(c.text); });
        EXPECT_EQ(form.DateTimePicker1.Value(), c.value) << c.text;
    }
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_TRUE(fixture.messages.errors.empty());
}

}  // namespace
}  // namespace vocset
