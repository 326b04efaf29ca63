// Which button the Enter key clicks.
#include <gtest/gtest.h>

#include "support/FormFixture.h"
#include "widgets/EnterKey.h"

namespace vocset {
namespace {

BitBtn* Enter(TForm1& form, Control* focused, const Control& page, bool modifier = false) {
    return ButtonForEnter(focused, form.DefaultButtons(), &page, modifier);
}

TEST(EnterKeyTest, ClicksTheFirstUsableDefaultButtonOfTheShownPage) {
    testing::FormFixture fixture;
    TForm1& form = fixture.Create();
    EXPECT_EQ(Enter(form, &form.Edit1, form.TabSheet1), &form.BitBtn1);
    EXPECT_EQ(Enter(form, &form.Edit4, form.TabSheet2), &form.BitBtn5);  // Save file is disabled
    form.BitBtn4.SetEnabled(true);
    EXPECT_EQ(Enter(form, &form.Edit2, form.TabSheet2), &form.BitBtn4);
    form.BitBtn4.SetEnabled(false);
    form.BitBtn5.SetVisible(false);
    form.BitBtn6.SetVisible(true);
    EXPECT_EQ(Enter(form, &form.Edit2, form.TabSheet2), &form.BitBtn6);
}

TEST(EnterKeyTest, AFocusedButtonTakesItAndModifiersClickNothing) {
    testing::FormFixture fixture;
    TForm1& form = fixture.Create();
    EXPECT_EQ(Enter(form, &form.BitBtn2, form.TabSheet1), &form.BitBtn2);
    EXPECT_EQ(Enter(form, &form.Edit1, form.TabSheet1, true), nullptr);
    form.Panel1.SetVisible(false);
    EXPECT_EQ(Enter(form, &form.Edit1, form.TabSheet1), nullptr);
}

}  // namespace
}  // namespace vocset
