// The rules of voice activation, automatic gain, encryption, the password and the resolution.
#include <gtest/gtest.h>

#include "support/FormFixture.h"
#include "widgets/EnterKey.h"

namespace vocset {
namespace {

using testing::FormFixture;
namespace img = image;

// The states that the recording rules decide: which controls are enabled, and the automatic gain's tick.
struct RecordingState {
    bool beep;                 // CheckBox9 enabled
    bool sensitivity;          // ComboBox49 enabled
    bool automaticGainTicked;  // CheckBox2 ticked
    bool automaticGain;        // CheckBox2 enabled
    bool gain;                 // ComboBox1 (and Label1) enabled
    bool operator==(const RecordingState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RecordingState& s) {
    return out << "{beep " << s.beep << ", sensitivity " << s.sensitivity << ", auto gain ticked "
               << s.automaticGainTicked << " enabled " << s.automaticGain << ", gain " << s.gain << "}";
}

// The gain's label and list always agree; a disagreement shows as a failure of its own. (The
// sensitivity's label starts enabled over a disabled list, until the VOX rule first runs.)
RecordingState StateOf(const TForm1& form) {
    EXPECT_EQ(form.Label1.Enabled(), form.ComboBox1.Enabled());
    return {.beep = form.CheckBox9.Enabled(),
            .sensitivity = form.ComboBox49.Enabled(),
            .automaticGainTicked = form.CheckBox2.Checked(),
            .automaticGain = form.CheckBox2.Enabled(),
            .gain = form.ComboBox1.Enabled()};
}

enum class Action { Vox, AutomaticGain, ULaw, Bit16, Bit20 };

struct RulesCase {
    const char* name;
    std::vector<Action> actions;
    RecordingState expected;
};

// With a list that still holds "20 bit" (the form before start-up removes it).
class RecordingRulesTest : public ::testing::TestWithParam<RulesCase> {};

TEST_P(RecordingRulesTest, ActionsLeaveTheControlsInTheirResultingState) {
    FormFixture fixture;
    fixture.form = std::make_unique<TForm1>(fixture.services, fixture.language);
    TForm1& form = *fixture.form;
    for (Action action : GetParam().actions) {
        fixture.Act([&] {
            switch (action) {
            case Action::Vox: form.CheckBox1.UserClick(); break;
            case Action::AutomaticGain: form.CheckBox2.UserClick(); break;
            case Action::ULaw: form.ComboBox45.UserSelect(0); break;
            case Action::Bit16: form.ComboBox45.UserSelect(1); break;
            case Action::Bit20: form.ComboBox45.UserSelect(2); break;
            }
        });
    }
    EXPECT_EQ(StateOf(form), GetParam().expected);
    if (form.CheckBox1.Checked()) {
        EXPECT_TRUE(form.Label20.Enabled());
    }
    EXPECT_TRUE(fixture.messages.messages.empty());
}

using A = Action;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sequences, RecordingRulesTest,
    ::testing::Values(
        RulesCase{"VoxOnForcesAutomaticGainOff", {A::Vox},
            {.beep = true, .sensitivity = true, .automaticGainTicked = false, .automaticGain = false, .gain = false}},
        RulesCase{"VoxOffLeavesAutomaticGainOff", {A::Vox, A::Vox},
            {.beep = false, .sensitivity = false, .automaticGainTicked = false, .automaticGain = true, .gain = true}},
        RulesCase{"AutomaticGainOff", {A::AutomaticGain},
            {.beep = false, .sensitivity = false, .automaticGainTicked = false, .automaticGain = true, .gain = true}},
        RulesCase{"AutomaticGainOffAndOn", {A::AutomaticGain, A::AutomaticGain},
            {.beep = false, .sensitivity = false, .automaticGainTicked = true, .automaticGain = true, .gain = false}},
        RulesCase{"VoxWithULawAsWith16Bit", {A::ULaw, A::Vox},
            {.beep = true, .sensitivity = true, .automaticGainTicked = false, .automaticGain = false, .gain = false}},
        RulesCase{"Bit20KeepsTheAutomaticGainTick", {A::Bit20},
            {.beep = false, .sensitivity = false, .automaticGainTicked = true, .automaticGain = false, .gain = false}},
        RulesCase{"Bit20ThenBit16WithAutomaticGain", {A::Bit20, A::Bit16},
            {.beep = false, .sensitivity = false, .automaticGainTicked = true, .automaticGain = true, .gain = false}},
        RulesCase{"Bit20ThenULawWithoutAutomaticGain", {A::AutomaticGain, A::Bit20, A::ULaw},
            {.beep = false, .sensitivity = false, .automaticGainTicked = false, .automaticGain = true, .gain = true}},
        RulesCase{"Bit20WhileVoxLeavesTheVoxControls", {A::Vox, A::Bit20},
            {.beep = true, .sensitivity = true, .automaticGainTicked = false, .automaticGain = false, .gain = false}},
        RulesCase{"VoxOffWith20Bit", {A::Vox, A::Bit20, A::Vox},
            {.beep = false, .sensitivity = false, .automaticGainTicked = false, .automaticGain = false, .gain = false}},
        RulesCase{"ResolutionWhileVoxDisablesTheGain", {A::Vox, A::Bit16},
            {.beep = true, .sensitivity = true, .automaticGainTicked = false, .automaticGain = false, .gain = false}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RecordingRulesOrderTest, VoxOnRunsTheAutomaticGainRuleOnceAfterTheGainIsDisabled) {
    FormFixture fixture;
    TForm1& form = fixture.Create();
    std::vector<RecordingState> seenByGainRule;
    Handler gainRule = form.CheckBox2.OnClick;
    form.CheckBox2.OnClick = [&] {
        seenByGainRule.push_back(StateOf(form));
        gainRule();
    };
    fixture.Act([&] { form.CheckBox1.UserClick(); });
    // Beep enabled and gain disabled before; the automatic-gain box is disabled only after.
    EXPECT_EQ(
        seenByGainRule,
        (std::vector<RecordingState>{
            {.beep = true, .sensitivity = false, .automaticGainTicked = false, .automaticGain = true, .gain = false}}));
    EXPECT_EQ(
        StateOf(form),
        (RecordingState{
            .beep = true, .sensitivity = true, .automaticGainTicked = false, .automaticGain = false, .gain = false}));
}

TEST(RecordingRulesOrderTest, VoxOffEnablesTheGainWhateverTheAutomaticGainTick) {
    FormFixture fixture;
    TForm1& form = fixture.Create();
    fixture.Act([&] { form.CheckBox1.UserClick(); });
    form.CheckBox2.SetChecked(true);  // as showing an image can leave it
    fixture.Act([&] { form.CheckBox1.UserClick(); });
    EXPECT_EQ(
        StateOf(form),
        (RecordingState{
            .beep = false, .sensitivity = false, .automaticGainTicked = true, .automaticGain = true, .gain = true}));
}

TEST(RecordingRulesOrderTest, BeepKeepsItsTickWhileDisabled) {
    FormFixture fixture;
    TForm1& form = fixture.Create();
    fixture.Act([&] { form.CheckBox1.UserClick(); });
    fixture.Act([&] { form.CheckBox9.UserClick(); });
    fixture.Act([&] { form.CheckBox1.UserClick(); });
    EXPECT_TRUE(form.CheckBox9.Checked());
    EXPECT_FALSE(form.CheckBox9.Enabled());
}

TEST(EncryptionRuleTest, ThePasswordFollowsEncryptionAndKeepsItsText) {
    FormFixture fixture;
    TForm1& form = fixture.Create();
    fixture.Act([&] { form.CheckBox3.UserClick(); });
    EXPECT_TRUE(form.Label3.Enabled());
    EXPECT_TRUE(form.Edit1.Enabled());
    fixture.Type(form.Edit1, "12");
    fixture.Act([&] { form.CheckBox3.UserClick(); });
    EXPECT_FALSE(form.Label3.Enabled());
    EXPECT_FALSE(form.Edit1.Enabled());
    EXPECT_EQ(form.Edit1.Text(), "012");
}

class PasswordTest : public ::testing::Test {
protected:
    PasswordTest() {
        fixture.Act([&] { form.CheckBox3.UserClick(); });
        fixture.FocusOn(form.Edit1);
    }
    FormFixture fixture;
    TForm1& form = fixture.Create();
    const std::vector<std::string> rangeMessage{"Enter number from 0 to 65535"};
};

TEST_F(PasswordTest, OnlyDigitsAndBackspaceReachTheTextAtMostFive) {
    form.Edit1.SetText("");
    fixture.Type(form.Edit1, "1a2-3 4$+");
    EXPECT_EQ(form.Edit1.Text(), "1234");
    fixture.Type(form.Edit1, "\b\b9");
    EXPECT_EQ(form.Edit1.Text(), "129");
    fixture.Type(form.Edit1, "87654");
    EXPECT_EQ(form.Edit1.Text(), "12987");
    for (char16_t key : {u'\t', u'\x1b', u'\n', u'\x7f', u'я'}) EXPECT_EQ(form.Edit1.UserKeyPress(key), 0) << int(key);
    EXPECT_TRUE(fixture.messages.messages.empty());
}

TEST_F(PasswordTest, LeavingChecksTheRange) {
    struct Case {
        const char* text;
        bool refused;
    };
    const Case cases[] = {{"0", false},    {"65535", false}, {"00007", false}, {"65536", true},
                          {"99999", true}, {"", true},       {"-1", true},     {"12a", true}};
    for (const Case& c : cases) {
        fixture.FocusOn(form.Edit1);
        form.Edit1.UserSetText(c.text);  // typed, or pasted past the key filter
        fixture.messages.messages.clear();
        fixture.FocusOn(form.ComboBox2);
        EXPECT_EQ(fixture.messages.messages, c.refused ? rangeMessage : std::vector<std::string>{}) << c.text;
        EXPECT_EQ(form.Focus().Focused(), c.refused ? static_cast<Control*>(&form.Edit1) : &form.ComboBox2) << c.text;
        EXPECT_EQ(form.Edit1.Text(), c.text);
    }
}

TEST_F(PasswordTest, EachFurtherAttemptToLeaveRepeatsTheCheck) {
    form.Edit1.UserSetText("70000");
    fixture.FocusOn(form.CheckBox7);
    fixture.FocusOn(form.BitBtn2);
    EXPECT_EQ(fixture.messages.messages.size(), 2u);
    EXPECT_TRUE(form.Focus().Has(form.Edit1));
}

// When the message box closes, the window gives the focus back to the control that was clicked;
// that must not show the message again.
TEST_F(PasswordTest, TheFocusComingBackAfterTheMessageDoesNotCheckAgain) {
    form.Edit1.UserSetText("65536");
    fixture.messages.whileOpen = [&](const std::string&) { form.Focus().UserMovedTo(form.CheckBox7); };
    fixture.FocusOn(form.CheckBox7);
    EXPECT_EQ(fixture.messages.messages, rangeMessage);
    EXPECT_TRUE(form.Focus().Has(form.Edit1));
    EXPECT_FALSE(form.CheckBox7.Checked());
}

// Switching to another program and back, or a box of the window's own, leaves the focus in the
// password: no check runs, while a real move afterwards still runs it.
TEST_F(PasswordTest, SwitchingWindowsIsNoFocusChange) {
    form.Edit1.UserSetText("65536");
    int exits = 0;
    const Handler check = form.Edit1.OnExit;
    form.Edit1.OnExit = [&] {
        ++exits;
        check();
    };
    const std::vector<std::function<void()>> leaves = {
        [&] {
            form.Focus().SetWindowActive(false);
            form.Focus().SetWindowActive(true);
        },
        [&] { fixture.messages.ShowMessage("a box of the window's own"); },
    };
    for (const auto& leave : leaves) {
        fixture.Act(leave);
        fixture.FocusOn(form.Edit1);  // the window puts the focus back where it rested
    }
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(form.Focus().Has(form.Edit1));
    fixture.messages.messages.clear();

    fixture.FocusOn(form.CheckBox7);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(fixture.messages.messages, rangeMessage);
    EXPECT_TRUE(form.Focus().Has(form.Edit1));
}

TEST_F(PasswordTest, CarriageReturnMovesToTheFrequencyListThroughTheCheck) {
    form.Edit1.UserSetText("65535");
    EXPECT_EQ(form.Edit1.UserKeyPress(u'\r'), 0);
    EXPECT_TRUE(form.Focus().Has(form.ComboBox3));
    EXPECT_TRUE(fixture.messages.messages.empty());

    fixture.FocusOn(form.Edit1);
    form.Edit1.UserSetText("65536");
    char16_t key = 0;
    fixture.Act([&] { key = form.Edit1.UserKeyPress(u'\r'); });
    EXPECT_EQ(key, 0);
    EXPECT_EQ(fixture.messages.messages, rangeMessage);
    EXPECT_TRUE(form.Focus().Has(form.Edit1));
    EXPECT_EQ(form.Edit1.Text(), "65536");
}

// Enter alone presses "Save configuration file" with the focus still in the password: no check,
// and the value is stored by its low 16 bits.
TEST_F(PasswordTest, EnterSavesWithoutTheCheck) {
    form.Edit1.UserSetText("65537");
    BitBtn* button = ButtonForEnter(form.Focus().Focused(), form.DefaultButtons(), &form.TabSheet1, false);
    ASSERT_EQ(button, &form.BitBtn1);
    EXPECT_EQ(ButtonForEnter(form.Focus().Focused(), form.DefaultButtons(), &form.TabSheet1, true), nullptr);
    const std::vector<std::uint8_t> image = fixture.SaveImage();
    EXPECT_EQ(fixture.messages.messages, std::vector<std::string>{"Settings file write completed"});
    EXPECT_EQ(image.at(img::kPasswordLow), 1);
    EXPECT_EQ(image.at(img::kPasswordHigh), 0);
    EXPECT_TRUE(form.Focus().Has(form.Edit1));
}

TEST(RecordingRulesImageTest, TheSavedBytesFollowTheRules) {
    struct Case {
        const char* name;
        std::function<void(TForm1&)> actions;
        std::uint8_t automaticGain, gainOrSensitivity, voiceActivation;
    };
    auto vox = [](int sensitivity, bool beep) {
        return [=](TForm1& form) {
            form.CheckBox1.UserClick();
            if (beep) form.CheckBox9.UserClick();
            form.ComboBox49.UserSelect(sensitivity);
        };
    };
    const Case cases[] = {
        {"VOX High with beep", vox(0, true), 0, 4, img::kVoxOnWithBeep},
        {"VOX Middle", vox(1, false), 0, 3, img::kVoxOn},
        {"VOX Low with beep", vox(2, true), 0, 2, img::kVoxOnWithBeep},
        {"VOX on then off: the gain list is back",
         [](TForm1& form) {
             form.CheckBox1.UserClick();
             form.ComboBox49.UserSelect(1);
             form.CheckBox1.UserClick();
         },
         0, 2, img::kVoxOff},
        {"manual gain 18 dB",
         [](TForm1& form) {
             form.CheckBox2.UserClick();
             form.ComboBox1.UserSelect(5);
         },
         0, 5, img::kVoxOff},
        {"automatic gain: neither list", [](TForm1&) {}, 1, 0xFF, img::kVoxOff},
    };
    for (const Case& c : cases) {
        FormFixture fixture;
        TForm1& form = fixture.Create();
        fixture.Act([&] { c.actions(form); });
        const std::vector<std::uint8_t> image = fixture.SaveImage();
        ASSERT_EQ(image.size(), kImageSize) << c.name;
        EXPECT_EQ(image[img::kAutomaticGain], c.automaticGain) << c.name;
        EXPECT_EQ(image[img::kGainOrVoxSensitivity], c.gainOrSensitivity) << c.name;
        EXPECT_EQ(image[img::kVoiceActivation], c.voiceActivation) << c.name;
    }
}

}  // namespace
}  // namespace vocset
