// The list's items and selection mirrored into a combo box; the user's choice routed to the widget.
#include "win32/ComboBoxPeer.h"

#include "win32/WideText.h"

namespace vocset::win32 {

void ComboBoxPeer::Changed(Property property) {
    switch (property) {
    case Property::Items:
        SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : list_.Items()) {
            SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
        }
        [[fallthrough]];  // the reset dropped the selection
    case Property::ItemIndex: SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0); break;
    default: WindowPeer::Changed(property); break;
    }
}

void ComboBoxPeer::Command(WORD code) {
    if (code != CBN_SELCHANGE) return;
    const int index = static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
    Dispatch([this, index] { list_.UserSelect(index); });
}

}  // namespace vocset::win32
