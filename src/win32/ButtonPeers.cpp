// Clicks of buttons and check boxes routed to their widgets.
#include "win32/ButtonPeers.h"

namespace vocset::win32 {

BitBtnPeer::BitBtnPeer(HWND window, BitBtn& button, Dispatcher& dispatcher, GlyphList glyph)
    : WindowPeer(window, button, dispatcher), button_(button), glyph_(std::move(glyph)) {
    if (!glyph_) return;
    BUTTON_IMAGELIST images{};
    images.himl = glyph_.get();
    images.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    images.margin = {4, 0, 0, 0};
    SendMessageW(window, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
}

void BitBtnPeer::Command(WORD code) {
    if (code == BN_CLICKED) Dispatch([this] { button_.Click(); });
}

void CheckBoxPeer::Changed(Property property) {
    if (property == Property::Checked) {
        SendMessageW(Window(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    } else {
        WindowPeer::Changed(property);
    }
}

void CheckBoxPeer::Command(WORD code) {
    if (code == BN_CLICKED) Dispatch([this] { box_.UserClick(); });
}

}  // namespace vocset::win32
