// Mirroring of the shared state into a control's window, and the subclass through which a peer
// sees the control's input.
#include "win32/WindowPeer.h"

#include "win32/WideText.h"

namespace vocset::win32 {

WindowPeer::WindowPeer(HWND window, Control& control, Dispatcher& events)
    : window_(window), control_(control), events_(events) {
    control_.AttachPeer(this);
}

WindowPeer::~WindowPeer() { control_.AttachPeer(nullptr); }

void WindowPeer::MirrorAll() {
    for (Property property : {Property::Items, Property::ItemIndex, Property::Text, Property::Checked, Property::Position,
                               Property::Value, Property::ActivePage, Property::Enabled, Property::Visible}) {
        Changed(property);
    }
}

void WindowPeer::Changed(Property property) {
    switch (property) {
    case Property::Enabled: EnableWindow(window_, control_.Enabled()); break;
    case Property::Visible: ShowWindow(window_, control_.Visible() ? SW_SHOW : SW_HIDE); break;
    case Property::Text: MirrorText(window_); break;
    default: break;
    }
}

void WindowPeer::MirrorText(HWND window) {
    const std::wstring text = Widen(control_.Text());
    if (WindowText(window) != text) SetWindowTextW(window, text.c_str());
}

void WindowPeer::Subclass() { SetWindowSubclass(window_, SubclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this)); }

LRESULT WindowPeer::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowPeer::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR peer) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProcedure, 0);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<WindowPeer*>(peer)->Intercept(message, wParam, lParam);
}

}  // namespace vocset::win32
