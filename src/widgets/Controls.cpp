// State rules of the widget kinds.
#include "widgets/Controls.h"

#include <algorithm>
#include <compare>

namespace vocset {

void PageControl::SetActivePageIndex(int index) { Store(activePage_, index, Property::ActivePage); }

void CheckBox::SetChecked(bool checked) {
    if (Store(checked_, checked, Property::Checked)) Fire(OnClick);
}

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    Notify(Property::Items);
}

void ComboBox::DeleteItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    Notify(Property::Items);
}

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
    Store(itemIndex_, index, Property::ItemIndex);
}

void ComboBox::UserSelect(int index) {
    SetItemIndex(index);
    Fire(OnChange);
}

void Edit::SetText(const std::string& text) {
    if (StoreText(text)) Fire(OnChange);
}

char16_t Edit::UserKeyPress(char16_t key) {
    if (OnKeyPress) OnKeyPress(key);
    return key;
}

void MaskEdit::SetEditMask(const std::string& mask) {
    editMask_ = mask;
    Reconform();
}

void MaskEdit::SetTimeSeparator(char separator) {
    timeSeparator_ = separator;
    Reconform();
}

void MaskEdit::Reconform() {
    mask_ = vocset::EditMask(editMask_, timeSeparator_);
    SetText(Text());
    UserSetSelection(selStart_, selLength_);
}

void MaskEdit::SetText(const std::string& text) { Edit::SetText(mask_.Empty() ? text : mask_.Conform(text)); }

void MaskEdit::UserSetSelection(int start, int length) {
    const int end = static_cast<int>(Text().size());
    selStart_ = std::clamp(start, 0, end);
    selLength_ = std::clamp(length, 0, end - selStart_);
}

void MaskEdit::UserType(char16_t key) {
    key = UserKeyPress(key);
    if (key == 0) return;
    MaskedText edited = Editing();
    if (key == u'\b') mask_.Backspace(edited);
    else mask_.Type(edited, key);
    Commit(edited);
}

void MaskEdit::UserDelete() {
    MaskedText edited = Editing();
    mask_.Delete(edited);
    Commit(edited);
}

void MaskEdit::UserPaste(const std::string& text) {
    MaskedText edited = Editing();
    mask_.Paste(edited, text);
    Commit(edited);
}

std::string MaskEdit::UserCut() {
    MaskedText edited = Editing();
    std::string cut = mask_.Cut(edited);
    Commit(edited);
    return cut;
}

// The caret moves before the text is stored, so that the change handler and the peer see both.
void MaskEdit::Commit(const MaskedText& edited) {
    selStart_ = edited.selStart;
    selLength_ = edited.selLength;
    if (StoreText(edited.text)) Fire(OnChange);
}

void DateTimePicker::SetValue(const DateTime& value) { Store(value_, value, Property::Value); }

bool DateTimePicker::CanHold(int year, int month, int day) {
    struct Day {
        int year, month, day;
        auto operator<=>(const Day&) const = default;
    };
    const Day date{year, month, day};
    return IsValidDate(year, month, day) && date >= Day{1752, 9, 14} && date <= Day{9999, 12, 31};
}

void DateTimePicker::SetDate(int year, int month, int day) {
    DateTime value = value_;
    value.year = year;
    value.month = month;
    value.day = day;
    SetValue(value);
}

void ProgressBar::SetPosition(int position) { Store(position_, std::clamp(position, 0, 100), Property::Position); }

}  // namespace vocset
