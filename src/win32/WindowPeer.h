// The part every control's peer shares: its window, its widget, the state all kinds have, and
// the routing of the user's input and of the keyboard focus through the dispatcher.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "widgets/Control.h"
#include "widgets/Dispatcher.h"
#include "widgets/Focus.h"

namespace vocset::win32 {

class WindowPeer : public WidgetPeer {
public:
    WindowPeer(HWND window, Control& control, Dispatcher& dispatcher);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    HWND Window() const { return window_; }
    Control& Widget() const { return control_; }

    // Mirrors every property of the widget, once, after the window was made.
    void MirrorAll();
    // Enabled, visible and text; the kinds add their own properties.
    void Changed(Property property) override;

    // A notification of the control, from WM_COMMAND or WM_NOTIFY of its parent.
    virtual void Command(WORD) {}
    virtual LRESULT Notify(const NMHDR&) { return 0; }

    // From now on tells `focus` each time the control's window gets the keyboard focus.
    void TrackFocus(Focus& focus);

protected:
    // Runs a user's input on the widget through the dispatcher; an error ends it and shows the default
    // error box.
    void Dispatch(const std::function<void()>& input) { dispatcher_.Run(input); }
    // Sets the window's text unless it already holds it, so that mirrored text echoes nothing back.
    void MirrorText(HWND window);

    // Lets Intercept see the control's own messages first; a second call changes nothing.
    void Subclass();
    virtual LRESULT Intercept(UINT message, WPARAM wParam, LPARAM lParam) { return PassOn(message, wParam, lParam); }
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR peer);
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
    bool TakeFocusForPress();
    void GotFocus();
    HWND window_;
    Control& control_;
    Dispatcher& dispatcher_;
    Focus* focus_ = nullptr;
    bool subclassed_ = false;
    bool pressRefused_ = false;  // an exit handler kept the focus from the last press of the mouse button
};

}  // namespace vocset::win32
