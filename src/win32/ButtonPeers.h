// Peers of the push buttons and check boxes.
#pragma once

#include "widgets/Controls.h"
#include "win32/Glyphs.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

// A push button; a picture, when it has one, stands left of the caption.
class BitBtnPeer : public WindowPeer {
public:
    BitBtnPeer(HWND window, BitBtn& button, Dispatcher& dispatcher, GlyphList glyph);
    void Command(WORD code) override;

private:
    BitBtn& button_;
    GlyphList glyph_;
};

// A check box whose state the widget decides: a click toggles the widget, which runs its
// handler, and the box shows the widget's state.
class CheckBoxPeer : public WindowPeer {
public:
    CheckBoxPeer(HWND window, CheckBox& box, Dispatcher& dispatcher) : WindowPeer(window, box, dispatcher), box_(box) {}
    void Changed(Property property) override;
    void Command(WORD code) override;

private:
    CheckBox& box_;
};

}  // namespace vocset::win32
