// Widgets made from the layout rows, with their initial state.
#include "app/WidgetSet.h"

namespace vocset {

namespace {
std::unique_ptr<Control> MakeWidget(const ControlSpec& row, Control* parent) {
    const int id = IdNumber(row.id);
    switch (row.kind) {
    case ControlKind::PageControl: return std::make_unique<PageControl>(id, parent);
    case ControlKind::TabSheet: return std::make_unique<TabSheet>(id, parent);
    case ControlKind::GroupBox: return std::make_unique<GroupBox>(id, parent);
    case ControlKind::Panel: return std::make_unique<Panel>(id, parent);
    case ControlKind::Label: return std::make_unique<Label>(id, parent);
    case ControlKind::CheckBox: return std::make_unique<CheckBox>(id, parent);
    case ControlKind::ComboBox: return std::make_unique<ComboBox>(id, parent);
    case ControlKind::Edit: return std::make_unique<Edit>(id, parent);
    case ControlKind::MaskEdit: return std::make_unique<MaskEdit>(id, parent);
    case ControlKind::DateTimePicker: return std::make_unique<DateTimePicker>(id, parent);
    case ControlKind::BitBtn: return std::make_unique<BitBtn>(id, parent);
    case ControlKind::ProgressBar: return std::make_unique<ProgressBar>(id, parent);
    case ControlKind::Timer: return std::make_unique<Timer>(id, parent);
    }
    throw std::logic_error("unknown control kind");
}

void ApplyInitialState(Control& control, const ControlSpec& row, const Language& language) {
    if (row.text != TextId::None) control.SetText(language.Text(row.text));
    if (row.fixedText) control.SetText(row.fixedText);
    control.SetEnabled(row.enabled);
    control.SetVisible(row.visible);
    if (auto* box = dynamic_cast<CheckBox*>(&control)) box->SetChecked(row.checked);
    if (auto* list = dynamic_cast<ComboBox*>(&control)) {
        list->SetItems(ItemTexts(row.items, language));
        list->SetItemIndex(row.itemIndex);
    }
    if (auto* edit = dynamic_cast<Edit*>(&control)) edit->SetMaxLength(row.maxLength);
    if (auto* mask = dynamic_cast<MaskEdit*>(&control)) mask->SetEditMask(row.format);
    if (auto* picker = dynamic_cast<DateTimePicker*>(&control)) {
        picker->SetFormat(row.format);
        picker->SetValue(kDatePickerInitialValue);
    }
    if (auto* button = dynamic_cast<BitBtn*>(&control)) button->SetDefault(row.isDefault);
    if (auto* timer = dynamic_cast<Timer*>(&control)) timer->SetInterval(kTimer1Interval);
}
}  // namespace

WidgetSet::WidgetSet(const std::vector<ControlSpec>& layout, const Language& language) {
    for (const ControlSpec& row : layout) {
        auto widget = MakeWidget(row, Find(row.parent));
        ApplyInitialState(*widget, row, language);
        widgets_[row.id] = std::move(widget);
    }
}

Control* WidgetSet::Find(ControlId id) const {
    auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second.get();
}

}  // namespace vocset
