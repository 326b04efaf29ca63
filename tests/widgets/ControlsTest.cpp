// The event rules of the widgets that the handlers rely on.
#include <gtest/gtest.h>

#include "widgets/Controls.h"

namespace vocset {
namespace {

struct CountingPeer : WidgetPeer {
    void Changed(Property property) override { changes.push_back(property); }
    std::vector<Property> changes;
};

TEST(CheckBoxTest, ClickHandlerRunsOnlyWhenTheStateChanges) {
    CheckBox box(1, nullptr);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    box.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.UserClick();
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(CheckBoxTest, HandlerSeesTheNewState) {
    CheckBox box(1, nullptr);
    bool seen = false;
    box.OnClick = [&] { seen = box.Checked(); };
    box.UserClick();
    EXPECT_TRUE(seen);
}

TEST(ComboBoxTest, IndexFromCodeRunsNothingAndOutOfRangeClearsTheSelection) {
    ComboBox list(1, nullptr);
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.SetItems({"a", "b", "c"});
    for (int index : {1, 2, 0}) {
        list.SetItemIndex(index);
        EXPECT_EQ(list.ItemIndex(), index);
    }
    for (int index : {3, -1, -5, 255}) {
        list.SetItemIndex(1);
        list.SetItemIndex(index);
        EXPECT_EQ(list.ItemIndex(), -1) << index;
    }
    EXPECT_EQ(changes, 0);
    list.UserSelect(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.ItemIndex(), 2);
}

TEST(ComboBoxTest, DeletingItemsKeepsTheSelectedItem) {
    ComboBox list(1, nullptr);
    list.SetItems({"8", "16", "24", "32"});
    list.SetItemIndex(1);
    list.DeleteItem(3);
    list.DeleteItem(2);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"8", "16"}));
    EXPECT_EQ(list.ItemIndex(), 1);
    list.DeleteItem(0);
    EXPECT_EQ(list.ItemIndex(), 0);
    list.DeleteItem(0);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(EditTest, ChangeHandlerRunsWhenTheTextChanges) {
    Edit edit(1, nullptr);
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    edit.SetText("12");
    edit.SetText("12");
    edit.UserSetText("123");
    EXPECT_EQ(changes, 2);
}

TEST(EditTest, KeyPressHandlerMaySwallowOrReplaceTheKey) {
    Edit edit(1, nullptr);
    EXPECT_EQ(edit.UserKeyPress(u'a'), u'a');
    edit.OnKeyPress = [](char16_t& key) { key = key == u'x' ? 0 : u'7'; };
    EXPECT_EQ(edit.UserKeyPress(u'x'), 0);
    EXPECT_EQ(edit.UserKeyPress(u'1'), u'7');
}

TEST(PeerTest, IsToldOfEveryRealChangeOnly) {
    ProgressBar bar(1, nullptr);
    CountingPeer peer;
    bar.AttachPeer(&peer);
    bar.SetPosition(40);
    bar.SetPosition(40);
    bar.SetPosition(250);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetVisible(true);
    bar.SetEnabled(false);
    EXPECT_EQ(peer.changes, (std::vector<Property>{Property::Position, Property::Position, Property::Enabled}));
}

TEST(DateTimePickerTest, UserDateKeepsTheTimeOfDay) {
    DateTimePicker picker(1, nullptr);
    picker.SetValue({2010, 1, 1, 13, 45, 30});
    picker.UserSetDate(2016, 2, 29);
    EXPECT_EQ(picker.Value(), (DateTime{2016, 2, 29, 13, 45, 30}));
}

}  // namespace
}  // namespace vocset
