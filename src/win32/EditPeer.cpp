// Typed characters, text changes and clicks of an edit, routed to its widget.
#include "win32/EditPeer.h"

#include "win32/WideText.h"

namespace vocset::win32 {

EditPeer::EditPeer(HWND window, Edit& edit, Dispatcher& dispatcher)
    : WindowPeer(window, edit, dispatcher), edit_(edit) {
    if (edit.MaxLength() > 0) SendMessageW(window, EM_LIMITTEXT, static_cast<WPARAM>(edit.MaxLength()), 0);
    Subclass();
}

void EditPeer::Command(WORD code) {
    if (code != EN_CHANGE) return;
    const std::string text = Narrow(WindowText(Window()));
    Dispatch([this, &text] { edit_.UserSetText(text); });
}

LRESULT EditPeer::Intercept(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: {
        // The key-press handler sees the character first; 0 swallows it, and so does an error.
        char16_t key = 0;
        Dispatch([this, &key, wParam] { key = edit_.UserKeyPress(static_cast<char16_t>(wParam)); });
        return key ? PassOn(message, key, lParam) : 0;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = PassOn(message, wParam, lParam);
        Dispatch([this] { edit_.UserClick(); });
        return result;
    }
    default: return PassOn(message, wParam, lParam);
    }
}

}  // namespace vocset::win32
