// The time mask's places and editing rules, and the masked edit that applies them to the user's input.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "widgets/Controls.h"
#include "widgets/EditMask.h"

namespace vocset {

static bool operator==(const MaskedText& left, const MaskedText& right) {
    return left.text == right.text && left.selStart == right.selStart && left.selLength == right.selLength;
}

static std::ostream& operator<<(std::ostream& out, const MaskedText& edit) {
    return out << '"' << edit.text << "\" caret " << edit.selStart << " selection " << edit.selLength;
}

namespace {

constexpr const char* kTimeMask = "!90:00:00;1; ";

TEST(EditMaskTest, ParsesPlacesSeparatorEscapeAndBlank) {
    using Kind = EditMask::Kind;
    const EditMask time(kTimeMask, '.');
    std::vector<Kind> kinds;
    for (const EditMask::Place& place : time.Places()) kinds.push_back(place.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::OptionalDigit, Kind::RequiredDigit, Kind::Literal, Kind::RequiredDigit,
                                        Kind::RequiredDigit, Kind::Literal, Kind::RequiredDigit, Kind::RequiredDigit}));
    EXPECT_EQ(time.BlankText(), "  .  .  ");

    // An escaped ":" is a plain colon, not the separator; without a blank field the blank is "_".
    const EditMask escaped("0\\:0-;0", '.');
    EXPECT_EQ(escaped.BlankText(), "_:_-");
}

struct ConformCase {
    const char* given;
    const char* expected;
};

TEST(EditMaskTest, TextFromCodeKeepsWhatEachPlaceAcceptsAtItsPosition) {
    const EditMask time(kTimeMask, ':');
    const ConformCase cases[] = {
        {"21:07:05", "21:07:05"}, {" 9:07:05", " 9:07:05"}, {"abc", "  :  :  "},     {"123456789", "12:45:78"},
        {"", "  :  :  "},         {"21.07.05", "21:07:05"}, {"9:07:05", "9 :7 :5 "}, {"ч1:07:05", " 1:07:05"},
    };
    for (const ConformCase& example : cases) EXPECT_EQ(time.Conform(example.given), example.expected) << example.given;
    EXPECT_EQ(EditMask(kTimeMask, '.').Conform("21:07:05"), "21.07.05");
}

TEST(EditMaskTest, TypingTheBlankTextFullSkipsTheSeparators) {
    const EditMask time(kTimeMask, ':');
    MaskedText edit{time.BlankText()};
    std::vector<int> carets;
    for (char digit : std::string("210705")) {
        time.Type(edit, digit);
        carets.push_back(edit.selStart);
    }
    EXPECT_EQ(edit.text, "21:07:05");
    EXPECT_EQ(carets, (std::vector<int>{1, 3, 4, 6, 7, 8}));
}

enum class Action { Type, Backspace, Delete, Paste };

struct EditCase {
    MaskedText before;
    Action action;
    std::string input;  // the typed character or the pasted text
    MaskedText after;
};

TEST(EditMaskTest, EditsAtTheCaretOrSelection) {
    const EditMask time(kTimeMask, ':');
    const EditCase cases[] = {
        // Typing: over the place at the caret, or the next one after a separator.
        {{"  :  :  ", 0}, Action::Type, "2", {"2 :  :  ", 1}},
        {{"21:  :  ", 2}, Action::Type, "0", {"21:0 :  ", 4}},
        {{"21:07:0 ", 7}, Action::Type, "5", {"21:07:05", 8}},
        {{"21:07:05", 3}, Action::Type, "a", {"21:07:05", 3}},
        {{"21:07:05", 8}, Action::Type, "3", {"21:07:05", 8}},
        {{"21:07:05", 0}, Action::Type, " ", {" 1:07:05", 1}},
        {{"21:07:05", 3}, Action::Type, " ", {"21:07:05", 3}},
        {{"21:07:05", 0, 8}, Action::Type, "1", {"1 :  :  ", 1}},
        {{"21:07:05", 0, 8}, Action::Type, "x", {"21:07:05", 0, 8}},
        {{"21:07:05", 2, 3}, Action::Type, "3", {"21:3 :05", 4}},
        // Backspace: the editable place before the caret, across a separator; or the selection.
        {{"21:07:05", 3}, Action::Backspace, "", {"2 :07:05", 1}},
        {{"21:07:05", 8}, Action::Backspace, "", {"21:07:0 ", 7}},
        {{"21:07:05", 0}, Action::Backspace, "", {"21:07:05", 0}},
        {{"21:07:05", 1, 4}, Action::Backspace, "", {"2 :  :05", 1}},
        // Delete: the editable place at or after the caret, which stays; or the selection.
        {{"21:07:05", 2}, Action::Delete, "", {"21: 7:05", 2}},
        {{"21:07:05", 0}, Action::Delete, "", {" 1:07:05", 0}},
        {{"21:07:05", 8}, Action::Delete, "", {"21:07:05", 8}},
        {{"21:07:05", 3, 5}, Action::Delete, "", {"21:  :  ", 3}},
        // Paste: typed from the caret; separators find their places; what fits nothing is skipped.
        {{"  :  :  ", 0}, Action::Paste, "21:07:05", {"21:07:05", 8}},
        {{"  :  :  ", 0}, Action::Paste, " 9:07:05", {" 9:07:05", 8}},
        {{"  :  :  ", 0}, Action::Paste, "210705", {"21:07:05", 8}},
        {{"  :  :  ", 0}, Action::Paste, "9:07:05", {"9 :07:05", 8}},
        {{"21:07:05", 3}, Action::Paste, "4x5", {"21:45:05", 6}},
        {{"21:07:05", 6}, Action::Paste, "1234", {"21:07:12", 8}},
        {{"21:07:05", 0, 8}, Action::Paste, "07", {"07:  :  ", 3}},
        {{"21:07:05", 3, 2}, Action::Paste, "abc", {"21:07:05", 3, 2}},
        {{"21:07:05", 3, 2}, Action::Paste, "", {"21:07:05", 3, 2}},
    };
    for (const EditCase& example : cases) {
        MaskedText edit = example.before;
        switch (example.action) {
        case Action::Type: time.Type(edit, example.input[0]); break;
        case Action::Backspace: time.Backspace(edit); break;
        case Action::Delete: time.Delete(edit); break;
        case Action::Paste: time.Paste(edit, example.input); break;
        }
        EXPECT_EQ(edit, example.after) << example.before << " input \"" << example.input << '"';
    }
}

TEST(EditMaskTest, CutReturnsTheSelectionAndBlanksIt) {
    const EditMask time(kTimeMask, ':');
    MaskedText edit{"21:07:05", 3, 3};
    EXPECT_EQ(time.Cut(edit), "07:");
    EXPECT_EQ(edit, (MaskedText{"21:  :05", 3}));
    EXPECT_EQ(time.Cut(edit), "");
    EXPECT_EQ(edit, (MaskedText{"21:  :05", 3}));
}

// A masked edit set up as the window does it: the initial text first, then the mask.
struct MaskEditTest : ::testing::Test {
    MaskEditTest() {
        edit.SetText("  :  :  ");
        edit.SetEditMask(kTimeMask);
        edit.OnChange = [this] { ++changes; };
    }
    MaskEdit edit{1, nullptr};
    int changes = 0;
};

TEST_F(MaskEditTest, TextFromCodeIsConformedAndChangesOnlyWhenItDiffers) {
    EXPECT_EQ(edit.Text(), "  :  :  ");
    edit.SetText("21:07:05");
    edit.SetText("21:07:05");
    edit.SetText("21x07x05");
    EXPECT_EQ(changes, 1);
    edit.SetText("123456789");
    EXPECT_EQ(edit.Text(), "12:45:78");
    edit.SetTimeSeparator('.');
    EXPECT_EQ(edit.Text(), "12.45.78");
    EXPECT_EQ(changes, 3);
}

TEST_F(MaskEditTest, KeyPressHandlerSeesEveryKeyFirstAndMaySwallowIt) {
    std::vector<char16_t> keys;
    std::vector<std::string> textsSeen;
    edit.OnKeyPress = [&](char16_t& key) {
        keys.push_back(key);
        textsSeen.push_back(edit.Text());
        if (key == u'5') key = 0;
    };
    for (char16_t key : {u'2', u'a', u'5', u'\b'}) edit.UserType(key);
    EXPECT_EQ(keys, (std::vector<char16_t>{u'2', u'a', u'5', u'\b'}));
    EXPECT_EQ(textsSeen, (std::vector<std::string>{"  :  :  ", "2 :  :  ", "2 :  :  ", "2 :  :  "}));
    EXPECT_EQ(edit.Text(), "  :  :  ");
    EXPECT_EQ(edit.SelStart(), 0);
    EXPECT_EQ(changes, 2);
}

TEST_F(MaskEditTest, UserEditsWorkOnTheSelectionWithOneChangeEach) {
    int keyPresses = 0;
    edit.OnKeyPress = [&](char16_t&) { ++keyPresses; };
    edit.UserSetSelection(0, 0);
    edit.UserPaste("21:07:05");
    EXPECT_EQ(edit.Text(), "21:07:05");
    EXPECT_EQ(edit.SelStart(), 8);
    edit.UserSetSelection(3, 99);
    EXPECT_EQ(edit.SelLength(), 5);
    EXPECT_EQ(edit.UserCut(), "07:05");
    EXPECT_EQ(edit.Text(), "21:  :  ");
    edit.UserSetSelection(-4, 1);
    edit.UserDelete();
    EXPECT_EQ(edit.Text(), " 1:  :  ");
    EXPECT_EQ(edit.SelStart(), 0);
    edit.UserDelete();
    EXPECT_EQ(keyPresses, 0);
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace vocset
