// The rules of the alarms: working as per alarm clocks, their number and the cyclic alarm.
#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace vocset {
namespace {

using testing::FormFixture;
namespace img = image;

class AlarmTest : public ::testing::Test {
protected:
    void Click(CheckBox& box) {
        fixture.Act([&] { box.UserClick(); });
    }
    void ChooseCount(int count) {
        fixture.Act([&] { form.ComboBox4.UserSelect(count - 1); });
    }
    // Which rows of the table have their four lists enabled; a row half enabled fails.
    std::vector<bool> RowsEnabled() const {
        std::vector<bool> rows;
        for (int k = 1; k <= kAlarmRows; ++k) {
            const bool enabled = form.AlarmList(k, AlarmColumn::Day).Enabled();
            for (AlarmColumn column : kAlarmColumns) EXPECT_EQ(form.AlarmList(k, column).Enabled(), enabled);
            rows.push_back(enabled);
        }
        return rows;
    }
    static std::vector<bool> FirstRows(int n) {
        std::vector<bool> rows(10, false);
        for (int k = 0; k < n; ++k) rows[k] = true;
        return rows;
    }
    std::vector<bool> CountControlsEnabled() const {
        return {form.CheckBox8.Enabled(), form.Label6.Enabled(),  form.Label7.Enabled(),   form.Label8.Enabled(),
                form.Label9.Enabled(),    form.Label10.Enabled(), form.ComboBox4.Enabled()};
    }

    FormFixture fixture;
    TForm1& form = fixture.Create();
    const std::vector<std::string> clockMessage{"Please setup real time clock firstly"};
};

TEST_F(AlarmTest, AlarmsWithoutTheClockAskOnceThenTickTheClock) {
    ChooseCount(3);  // the list is disabled, but a shown image can set it so
    std::vector<bool> rowsDuringMessage;
    bool clockDuringMessage = true;
    fixture.messages.whileOpen = [&](const std::string&) {
        rowsDuringMessage = RowsEnabled();
        clockDuringMessage = form.CheckBox4.Checked();
    };
    Click(form.CheckBox5);
    EXPECT_EQ(fixture.messages.messages, clockMessage);
    EXPECT_EQ(rowsDuringMessage, FirstRows(3));
    EXPECT_FALSE(clockDuringMessage);
    EXPECT_TRUE(form.CheckBox4.Checked());
    EXPECT_TRUE(form.DateTimePicker1.Enabled());
    EXPECT_TRUE(form.MaskEdit1.Enabled());
    EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(7, true));
}

TEST_F(AlarmTest, AlarmsWithTheClockAskNothing) {
    Click(form.CheckBox4);
    Click(form.CheckBox5);
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_EQ(RowsEnabled(), FirstRows(1));
}

TEST_F(AlarmTest, TheCountEnablesItsRowsAndDisabledRowsKeepTheirValues) {
    Click(form.CheckBox4);
    Click(form.CheckBox5);
    for (int n = 1; n <= 10; ++n) {
        ChooseCount(n);
        EXPECT_EQ(RowsEnabled(), FirstRows(n)) << n;
    }
    ChooseCount(5);
    form.ComboBoxNumber(17).SetItemIndex(20);  // row 4's day
    ChooseCount(2);
    EXPECT_EQ(RowsEnabled(), FirstRows(2));
    ChooseCount(5);
    EXPECT_EQ(RowsEnabled(), FirstRows(5));
    EXPECT_EQ(form.ComboBoxNumber(17).ItemIndex(), 20);
}

TEST_F(AlarmTest, AlarmsOffDisableEveryRowAndKeepTheCount) {
    Click(form.CheckBox4);
    Click(form.CheckBox5);
    ChooseCount(7);
    Click(form.CheckBox5);
    EXPECT_EQ(RowsEnabled(), FirstRows(0));
    EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(7, false));
    EXPECT_EQ(form.ComboBox4.ItemIndex(), 6);
    Click(form.CheckBox5);
    EXPECT_EQ(RowsEnabled(), FirstRows(7));
}

TEST_F(AlarmTest, TheCyclicAlarmTakesThePlaceOfTheTable) {
    Click(form.CheckBox4);
    Click(form.CheckBox5);
    ChooseCount(4);
    Click(form.CheckBox8);
    EXPECT_FALSE(form.Panel4.Visible());
    EXPECT_TRUE(form.Panel5.Visible());
    Click(form.CheckBox8);
    EXPECT_TRUE(form.Panel4.Visible());
    EXPECT_FALSE(form.Panel5.Visible());
    EXPECT_EQ(RowsEnabled(), FirstRows(4));

    // Alarms off keep the cyclic alarm ticked, shown and usable.
    Click(form.CheckBox8);
    Click(form.CheckBox5);
    EXPECT_TRUE(form.CheckBox8.Checked());
    EXPECT_FALSE(form.CheckBox8.Enabled());
    EXPECT_TRUE(form.Panel5.Visible());
    EXPECT_TRUE(form.ComboBox47.Enabled());
    EXPECT_TRUE(form.ComboBox46.Enabled());
    EXPECT_TRUE(form.ComboBox48.Enabled());
}

// Whatever the user does with the two boxes, alarms on means the clock is on.
TEST_F(AlarmTest, AlarmsOnAlwaysMeansClockOn) {
    for (unsigned sequence = 0; sequence < (1u << 6); ++sequence) {
        FormFixture run;
        TForm1& window = run.Create();
        for (int step = 0; step < 6; ++step) {
            CheckBox& box = (sequence >> step) & 1 ? window.CheckBox5 : window.CheckBox4;
            run.Act([&] { box.UserClick(); });
            if (window.CheckBox5.Checked()) {
                EXPECT_TRUE(window.CheckBox4.Checked()) << sequence << " step " << step;
            }
        }
        EXPECT_LE(run.messages.messages.size(), 3u);
    }
}

TEST_F(AlarmTest, TheSavedImageMarksTheRowsInUse) {
    Click(form.CheckBox5);
    ChooseCount(3);
    for (int k = 1; k <= kAlarmRows; ++k) {  // rows 4-10 filled too
        for (AlarmColumn column : kAlarmColumns) form.AlarmList(k, column).SetItemIndex(1);
    }
    const std::vector<std::uint8_t> image = fixture.SaveImage();
    ASSERT_EQ(image.size(), kImageSize);
    EXPECT_EQ(image[img::kAlarmMode], img::kAlarmModeClocks);
    EXPECT_EQ(image[img::kSetClock], 1);
    for (int k = 1; k <= 10; ++k) {
        const std::size_t entry = img::AlarmEntry(k);
        EXPECT_EQ(image[entry + img::kEntryEnabled], k <= 3 ? 1 : 0) << k;
        EXPECT_EQ(image[entry + img::kEntryDay], 2) << k;
        EXPECT_EQ(image[entry + img::kEntryHour], 1) << k;
        EXPECT_EQ(image[entry + img::kEntryDuration], 2) << k;
    }

    Click(form.CheckBox8);
    const std::vector<std::uint8_t> cyclic = fixture.SaveImage();
    EXPECT_EQ(cyclic[img::kAlarmMode], img::kAlarmModeCyclic);
    EXPECT_EQ(cyclic[img::kCyclicStartHour], 0);
    EXPECT_EQ(cyclic[img::kCyclicRunningTime], 1);
    EXPECT_EQ(cyclic[img::AlarmEntry(2) + img::kEntryEnabled], 0);
}

}  // namespace
}  // namespace vocset
