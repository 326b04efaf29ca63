// The default error box's full-stop rule and the dispatcher that shows it.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "support/Fakes.h"
#include "widgets/Dispatcher.h"

namespace vocset {
namespace {

TEST(ErrorBoxTextTest, AppendsAFullStopOnlyAfterACharacterAboveIt) {
    EXPECT_EQ(ErrorBoxText(""), "");
    EXPECT_EQ(ErrorBoxText("Range check error"), "Range check error.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Ends in a blank "), "Ends in a blank ");
    EXPECT_EQ(ErrorBoxText("Ends in a comma,"), "Ends in a comma,");
    EXPECT_EQ(ErrorBoxText("A slash/"), "A slash/.");
    EXPECT_EQ(ErrorBoxText("Ошибка"), "Ошибка.");
    EXPECT_EQ(ErrorBoxText(InvalidDataType("pass").what()), "Invalid data type for 'pass'");
    EXPECT_EQ(ErrorBoxText(FailedToSetData("dst").what()), "Failed to set data for 'dst'");
    EXPECT_EQ(ErrorBoxText(CannotOpenFile("C:\\a.wav", "File not found.").what()),
              "Cannot open file \"C:\\a.wav\". File not found.");
}

TEST(DispatcherTest, ShowsAnUncaughtErrorAndGoesOn) {
    testing::RecordingMessageBoxes boxes;
    Dispatcher dispatcher(boxes);
    bool after = false;
    dispatcher.Run([] { throw RangeCheckError(); });
    dispatcher.Run([&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(boxes.errors, (std::vector<std::string>{"Range check error."}));
    EXPECT_TRUE(boxes.messages.empty());
}

}  // namespace
}  // namespace vocset
