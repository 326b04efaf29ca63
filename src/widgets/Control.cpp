// State changes of a widget, each told to its peer.
#include "widgets/Control.h"

namespace vocset {

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Notify(Property::Enabled);
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(Property::Visible);
}

void Control::SetText(const std::string& text) { StoreText(text); }

bool Control::StoreText(const std::string& text) {
    if (text_ == text) return false;
    text_ = text;
    Notify(Property::Text);
    return true;
}

void Control::Notify(Property property) {
    if (peer_) peer_->Changed(property);
}

}  // namespace vocset
