// The main window's layout table: its rows, their order, and the window they make.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/FormFixture.h"
#include "ui/Layout.h"

namespace vocset {
namespace {

using testing::FormFixture;

bool HoldsControls(ControlKind kind) {
    return kind == ControlKind::PageControl || kind == ControlKind::TabSheet || kind == ControlKind::GroupBox ||
           kind == ControlKind::Panel;
}

// The widgets are found by id and made in the table's order, each under a parent made before it: a
// repeated id or a parent further down would leave a control lost or without its parent, silently.
TEST(LayoutTest, IdsAreUniqueAndEachParentIsAContainerMadeBeforeItsChildren) {
    for (const Language* language : {&kEnglish, &kRussian}) {
        std::map<ControlId, ControlKind> made;
        for (const ControlSpec& row : MainWindowLayout(*language)) {
            EXPECT_NE(row.id, ControlId::None);
            if (row.parent != ControlId::None) {
                const auto parent = made.find(row.parent);
                if (parent == made.end()) {
                    ADD_FAILURE() << IdNumber(row.id) << " comes before its parent " << IdNumber(row.parent);
                } else {
                    EXPECT_TRUE(HoldsControls(parent->second))
                        << IdNumber(row.id) << " is put in " << IdNumber(row.parent) << ", which holds no controls";
                }
            }
            EXPECT_TRUE(made.emplace(row.id, row.kind).second) << "a second row of " << IdNumber(row.id);
        }
        std::set<ControlId> dialogs;
        for (const DialogSpec& dialog : MainWindowDialogs()) {
            EXPECT_FALSE(made.contains(dialog.id)) << "the dialog " << IdNumber(dialog.id) << " has a control's id";
            EXPECT_TRUE(dialogs.insert(dialog.id).second) << "a second dialog " << IdNumber(dialog.id);
        }
    }
}

TEST(LayoutTest, InitialStateOfTheWindow) {
    FormFixture fixture;
    TForm1& form = fixture.Create();
    EXPECT_EQ(form.PageControl1.ActivePageIndex(), 0);
    std::vector<CheckBox*> ticked;
    for (CheckBox* box : {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox4, &form.CheckBox5,
                          &form.CheckBox6, &form.CheckBox7, &form.CheckBox8, &form.CheckBox9})
        if (box->Checked()) ticked.push_back(box);
    EXPECT_EQ(ticked, std::vector<CheckBox*>{&form.CheckBox2});
    EXPECT_FALSE(form.BitBtn6.Visible());
    EXPECT_TRUE(form.BitBtn5.Visible());
    EXPECT_FALSE(form.BitBtn4.Enabled());
    EXPECT_FALSE(form.Edit3.Enabled());
    EXPECT_FALSE(form.Panel5.Visible());
    EXPECT_TRUE(form.Panel4.Visible());
    EXPECT_EQ(form.Edit1.Text(), "0");
    EXPECT_EQ(form.MaskEdit1.Text(), "  :  :  ");
    EXPECT_EQ(form.DateTimePicker1.Value(), (DateTime{2010, 1, 1, 0, 0, 0}));
    EXPECT_FALSE(form.Timer1.Enabled());
    for (int n = 4; n <= 48; ++n) {
        if (n == 45) continue;  // the resolution list, "16 bit" selected
        EXPECT_EQ(form.ComboBoxNumber(n).ItemIndex(), 0) << n;
        if (n <= 44) {
            EXPECT_FALSE(form.ComboBoxNumber(n).Enabled()) << n;
        }
    }
    EXPECT_EQ(form.ComboBoxNumber(5).Items().size(), 31u);
    EXPECT_EQ(form.ComboBoxNumber(6).Items().front(), "00");
    EXPECT_EQ(form.ComboBoxNumber(7).Items().back(), "59");
    EXPECT_EQ(form.ComboBoxNumber(44).Items().back(), "23");
    EXPECT_EQ(form.OpenDialog1.filterIndex, 3);
    EXPECT_EQ(form.SaveDialog1.defaultExt, "*.wav");
}

TEST(LayoutTest, LanguagesDifferOnlyInTextsAndTheCyclicPanelTop) {
    auto english = MainWindowLayout(kEnglish);
    auto russian = MainWindowLayout(kRussian);
    ASSERT_EQ(english.size(), russian.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        const ControlSpec& e = english[i];
        const ControlSpec& r = russian[i];
        EXPECT_EQ(e.id, r.id);
        EXPECT_EQ(e.left, r.left);
        EXPECT_EQ(e.top, r.id == ControlId::Panel5 ? 143 : r.top);
        if (e.id == ControlId::Panel5) {
            EXPECT_EQ(r.top, 151);
        }
    }
}

}  // namespace
}  // namespace vocset
