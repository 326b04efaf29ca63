// State rules of the widget kinds.
#include "widgets/Controls.h"

#include <algorithm>

namespace vocset {

void PageControl::SetActivePageIndex(int index) {
    if (activePage_ == index) return;
    activePage_ = index;
    Notify(Property::ActivePage);
}

void CheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Notify(Property::Checked);
    Fire(OnClick);
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
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Notify(Property::ItemIndex);
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

void DateTimePicker::SetValue(const DateTime& value) {
    if (value_ == value) return;
    value_ = value;
    Notify(Property::Value);
}

void DateTimePicker::UserSetDate(int year, int month, int day) {
    DateTime value = value_;
    value.year = year;
    value.month = month;
    value.day = day;
    SetValue(value);
}

void ProgressBar::SetPosition(int position) {
    position = std::clamp(position, 0, 100);
    if (position_ == position) return;
    position_ = position;
    Notify(Property::Position);
}

}  // namespace vocset
