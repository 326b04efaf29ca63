// A top-level window of the driver's own, in place of another program's window that the user
// switches to.
#pragma once

#include <windows.h>

#include <thread>

namespace e2e {

class OtherWindow {
public:
    // Makes and shows the window; a thread of its own runs its messages.
    OtherWindow();
    ~OtherWindow();
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
    std::thread thread_;
};

// Makes `window` the foreground window, as a click on it does, and waits until it has stayed so
// for a moment, switching again when something took the foreground back.
void Activate(HWND window);

}  // namespace e2e
