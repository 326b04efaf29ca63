// Focus changes: the exit handler of the control that loses the focus, and moves made inside it.
#include <gtest/gtest.h>

#include <vector>

#include "widgets/Controls.h"
#include "widgets/Focus.h"

namespace vocset {
namespace {

class FocusTest : public ::testing::Test {
protected:
    FocusTest() {
        focus.platformMove = [this](Control& control) { platformMoves.push_back(control.Id()); };
    }
    Focus focus;
    Edit edit{1, nullptr};
    ComboBox list{2, nullptr};
    CheckBox box{3, nullptr};
    std::vector<int> platformMoves;
};

TEST_F(FocusTest, TheExitHandlerRunsWhileTheLosingControlStillHasTheFocus) {
    focus.UserMovedTo(edit);
    Control* focusedDuringExit = nullptr;
    int exits = 0;
    edit.OnExit = [&] {
        ++exits;
        focusedDuringExit = focus.Focused();
    };
    focus.UserMovedTo(edit);  // no change: no exit
    EXPECT_EQ(exits, 0);
    focus.UserMovedTo(list);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(focusedDuringExit, &edit);
    EXPECT_TRUE(focus.Has(list));
    EXPECT_TRUE(platformMoves.empty());  // the platform made this change itself
}

TEST_F(FocusTest, AMoveFromCodeTellsThePlatformOnceItCompletes) {
    focus.UserMovedTo(edit);
    focus.MoveTo(list);
    EXPECT_TRUE(focus.Has(list));
    EXPECT_EQ(platformMoves, std::vector<int>{2});
}

TEST_F(FocusTest, AMoveInsideTheExitHandlerWins) {
    focus.UserMovedTo(edit);
    edit.OnExit = [&] { focus.MoveTo(edit); };
    for (bool fromCode : {false, true}) {
        platformMoves.clear();
        if (fromCode) {
            focus.MoveTo(list);
        } else {
            focus.UserMovedTo(box);
        }
        EXPECT_TRUE(focus.Has(edit)) << fromCode;
        // The platform's focus, wherever the change had taken it, goes back to the edit.
        EXPECT_EQ(platformMoves, std::vector<int>{1}) << fromCode;
    }
}

// A message box shown by the exit handler takes the focus away; when it closes the window gives
// the focus back to the control that was clicked. That report must not run the handler again.
TEST_F(FocusTest, AChangeReportedWhileTheExitHandlerRunsDoesNotRunItAgain) {
    focus.UserMovedTo(edit);
    int exits = 0;
    edit.OnExit = [&] {
        ++exits;
        focus.UserMovedTo(box);  // the box closed; the window refocuses the clicked control
        focus.MoveTo(edit);
    };
    focus.UserMovedTo(box);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(focus.Has(edit));
    EXPECT_EQ(platformMoves, std::vector<int>{1});
}

// Switching to another window takes the keyboard focus from every control and gives it back to the
// one it rested on: no change of focus, no exit handler, and the platform is not told to move it.
TEST_F(FocusTest, WhileTheWindowIsInactiveNoControlHasTheFocus) {
    focus.UserMovedTo(edit);
    int exits = 0;
    edit.OnExit = [&] { ++exits; };
    focus.SetWindowActive(false);
    EXPECT_FALSE(focus.Has(edit));
    EXPECT_EQ(focus.Focused(), &edit);
    focus.SetWindowActive(true);
    focus.UserMovedTo(edit);  // the control reports the focus it got back
    EXPECT_TRUE(focus.Has(edit));
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(platformMoves.empty());

    focus.UserMovedTo(list);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(focus.Has(list));
}

TEST_F(FocusTest, AnErrorInTheExitHandlerLeavesTheRuleWorking) {
    focus.UserMovedTo(edit);
    int exits = 0;
    edit.OnExit = [&] {
        if (++exits == 1) throw std::runtime_error("failed");
    };
    EXPECT_THROW(focus.UserMovedTo(list), std::runtime_error);
    EXPECT_TRUE(focus.Has(edit));
    focus.UserMovedTo(list);
    EXPECT_EQ(exits, 2);
    EXPECT_TRUE(focus.Has(list));
}

}  // namespace
}  // namespace vocset
