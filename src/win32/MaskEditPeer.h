// Peer of the masked time edit: an EDIT whose editing the widget's mask does.
#pragma once

#include "widgets/Controls.h"
#include "win32/EditPeer.h"

namespace vocset::win32 {

// Every input that could change the text (characters, Delete, paste, cut, clear, undo) is taken
// from the EDIT and done by the widget at the EDIT's caret; the text and caret are then mirrored
// back. Caret keys, selection, copy and clicks stay the EDIT's own; the length limit and the click
// are the plain edit's.
class MaskEditPeer : public EditPeer {
public:
    MaskEditPeer(HWND window, MaskEdit& edit, Dispatcher& dispatcher);
    void Command(WORD code) override;

private:
    LRESULT Intercept(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT Character(WPARAM wParam, LPARAM lParam);
    // Runs an edit of the widget at the EDIT's caret and selection, then shows its result.
    void EditAtCaret(const std::function<void()>& edit);
    void Paste();
    void Cut();
    MaskEdit& edit_;  // the plain edit's widget, as the masked edit it is
};

}  // namespace vocset::win32
