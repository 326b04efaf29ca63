// Peer of a one-line edit.
#pragma once

#include "widgets/Controls.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

class EditPeer : public WindowPeer {
public:
    EditPeer(HWND window, Edit& edit, Dispatcher& dispatcher);
    void Command(WORD code) override;

private:
    LRESULT Intercept(UINT message, WPARAM wParam, LPARAM lParam) override;
    Edit& edit_;
};

}  // namespace vocset::win32
