// State changes of a widget, each told to its peer.
#include "widgets/Control.h"

namespace vocset {

void Control::SetEnabled(bool enabled) { Store(enabled_, enabled, Property::Enabled); }

void Control::SetVisible(bool visible) { Store(visible_, visible, Property::Visible); }

void Control::SetText(const std::string& text) { StoreText(text); }

void Control::Notify(Property property) {
    if (peer_) peer_->Changed(property);
}

}  // namespace vocset
