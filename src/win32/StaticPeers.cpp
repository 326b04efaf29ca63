// Texts, sizes and positions of labels, group boxes and the progress bar.
#include "win32/StaticPeers.h"

#include <uxtheme.h>

#include "win32/WideText.h"

namespace vocset::win32 {

void LabelPeer::Changed(Property property) {
    WindowPeer::Changed(property);
    if (property != Property::Text || !autoSize_) return;
    const std::wstring text = Widen(Widget().Text());
    HDC context = GetDC(Window());
    HGDIOBJ previous = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(Window(), WM_GETFONT, 0, 0)));
    RECT extent{};
    DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(context, previous);
    ReleaseDC(Window(), context);
    RECT place{};
    GetClientRect(Window(), &place);
    SetWindowPos(Window(), nullptr, 0, 0, extent.right - extent.left, place.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GroupBoxPeer::Changed(Property property) {
    WindowPeer::Changed(property);
    if (property == Property::Text) MirrorText(frame_);
}

ProgressBarPeer::ProgressBarPeer(HWND window, ProgressBar& bar, Dispatcher& dispatcher)
    : WindowPeer(window, bar, dispatcher), bar_(bar) {
    // Without a theme the bar takes the colour it is given: pure green, as a solid bar.
    SetWindowTheme(window, L" ", L" ");
    SendMessageW(window, PBM_SETRANGE32, 0, 100);
    SendMessageW(window, PBM_SETBARCOLOR, 0, RGB(0, 255, 0));
}

void ProgressBarPeer::Changed(Property property) {
    if (property == Property::Position) {
        SendMessageW(Window(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
    } else {
        WindowPeer::Changed(property);
    }
}

}  // namespace vocset::win32
