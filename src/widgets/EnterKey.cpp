// Default buttons and the Enter key.
#include "widgets/EnterKey.h"

namespace vocset {

namespace {
// Visible and enabled with all its parents, below the given page.
bool UsableOn(const Control& control, const Control* page) {
    for (const Control* c = &control; c; c = c->Parent()) {
        if (c == page) return true;
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return false;
}
}  // namespace

BitBtn* ButtonForEnter(Control* focused, std::span<BitBtn* const> defaultButtons, const Control* shownPage,
                       bool modifierHeld) {
    if (auto* button = dynamic_cast<BitBtn*>(focused)) return button;
    if (modifierHeld) return nullptr;
    for (BitBtn* button : defaultButtons) {
        if (button->IsDefault() && UsableOn(*button, shownPage)) return button;
    }
    return nullptr;
}

}  // namespace vocset
