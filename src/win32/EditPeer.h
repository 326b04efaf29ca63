// Peer of a one-line edit.
#pragma once

#include "widgets/Controls.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

class EditPeer : public WindowPeer {
public:
    EditPeer(HWND window, Edit& edit, Dispatcher& dispatcher);
    void Command(WORD code) override;

protected:
    // Typed characters pass the key-press handler; a click reaches the widget after the EDIT's own.
    LRESULT Intercept(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Edit& edit_;
};

}  // namespace vocset::win32
