// Starting and stopping the Win32 timer with the widget's enabled state.
#include "win32/TimerPeer.h"

namespace vocset::win32 {

TimerPeer::TimerPeer(HWND window, Timer& timer) : window_(window), timer_(timer) {
    timer_.AttachPeer(this);
    Changed(Property::Enabled);
}

TimerPeer::~TimerPeer() { timer_.AttachPeer(nullptr); }

void TimerPeer::Changed(Property property) {
    if (property != Property::Enabled) return;
    const auto id = static_cast<UINT_PTR>(timer_.Id());
    if (timer_.Enabled()) {
        SetTimer(window_, id, static_cast<UINT>(timer_.Interval()), nullptr);
    } else {
        KillTimer(window_, id);
    }
}

}  // namespace vocset::win32
