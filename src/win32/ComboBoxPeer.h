// Peer of a drop-down list.
#pragma once

#include "widgets/Controls.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

class ComboBoxPeer : public WindowPeer {
public:
    ComboBoxPeer(HWND window, ComboBox& list, Dispatcher& dispatcher)
        : WindowPeer(window, list, dispatcher), list_(list) {}
    void Changed(Property property) override;
    void Command(WORD code) override;

private:
    ComboBox& list_;
};

}  // namespace vocset::win32
