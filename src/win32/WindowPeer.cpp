// Mirroring of the shared state into a control's window, and the subclass through which a peer
// sees the control's input and its gaining the focus.
#include "win32/WindowPeer.h"

#include "win32/WideText.h"

namespace vocset::win32 {

WindowPeer::WindowPeer(HWND window, Control& control, Dispatcher& dispatcher)
    : window_(window), control_(control), dispatcher_(dispatcher) {
    control_.AttachPeer(this);
}

WindowPeer::~WindowPeer() { control_.AttachPeer(nullptr); }

void WindowPeer::MirrorAll() {
    for (Property property :
         {Property::Items, Property::ItemIndex, Property::Text, Property::Checked, Property::Position, Property::Value,
          Property::ActivePage, Property::Enabled, Property::Visible}) {
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

void WindowPeer::TrackFocus(Focus& focus) {
    focus_ = &focus;
    Subclass();
}

void WindowPeer::Subclass() {
    if (subclassed_) return;
    SetWindowSubclass(window_, SubclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    subclassed_ = true;
}

LRESULT WindowPeer::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowPeer::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR peer) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProcedure, 0);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<WindowPeer*>(peer)->Route(message, wParam, lParam);
}

LRESULT WindowPeer::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!TakeFocusForPress()) return 0;
        break;
    case WM_LBUTTONUP:
        if (pressRefused_) {
            pressRefused_ = false;
            return 0;
        }
        break;
    default: break;
    }
    const LRESULT result = Intercept(message, wParam, lParam);
    // After the control has taken the focus, so that an exit handler that moves it on finds the
    // control in a settled state.
    if (message == WM_SETFOCUS) GotFocus();
    return result;
}

// A press gives the control the focus before the control acts on it: when an exit handler sends the
// focus elsewhere, the press and its release go no further, so no button stays held down with the
// mouse captured, and no list or calendar drops down, no page switches, behind the exit handler.
bool WindowPeer::TakeFocusForPress() {
    pressRefused_ = false;
    if (!focus_ || GetFocus() == window_) return true;
    pressRefused_ = true;  // a release that comes while the exit handler's box is open belongs to no press
    SetFocus(window_);
    pressRefused_ = GetFocus() != window_;
    return !pressRefused_;
}

// A report of the control on which the focus rests (the window activated again) is no change;
// passed on, it would count as a move and cancel the change whose exit handler is running.
void WindowPeer::GotFocus() {
    if (focus_ && focus_->Focused() != &control_) Dispatch([this] { focus_->UserMovedTo(control_); });
}

}  // namespace vocset::win32
