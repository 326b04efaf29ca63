// Peer of the timer: a Win32 timer of the main window that runs while the widget is enabled.
#pragma once

#include <windows.h>

#include "widgets/Controls.h"

namespace vocset::win32 {

class TimerPeer : public WidgetPeer {
public:
    // The timer's id is the widget's id; WM_TIMER of the window carries it.
    TimerPeer(HWND window, Timer& timer);
    ~TimerPeer() override;
    TimerPeer(const TimerPeer&) = delete;
    TimerPeer& operator=(const TimerPeer&) = delete;
    void Changed(Property property) override;

private:
    HWND window_;
    Timer& timer_;
};

}  // namespace vocset::win32
