// Which control of the window has the keyboard focus, and the rule of every focus change: the exit
// handler of the control that loses the focus runs before the change completes, and a move of the
// focus made inside that handler wins over the change that ran it. While the window is inactive
// (another program's window, or the window's own box, has the focus) no control has it; the
// window's focus stays where it rests and is no change when the window is active again.
#pragma once

#include <functional>

#include "widgets/Control.h"

namespace vocset {

class Focus {
public:
    // The control on which the window's focus rests, also while the window is inactive; null until
    // the platform reports one.
    Control* Focused() const { return focused_; }
    // Whether the control has the keyboard focus now: the focus rests on it and the window is active.
    bool Has(const Control& control) const { return windowActive_ && focused_ == &control; }

    // The platform reports each activation and deactivation of the window; switching windows runs
    // no exit handler. A headless window counts as active.
    void SetWindowActive(bool active) { windowActive_ = active; }

    // A move asked for by a handler. When it completes, the platform is told to put the focus there.
    void MoveTo(Control& target);
    // The platform gave the focus to `target` (a click, Tab, the window activated). When the exit
    // handler moves the focus elsewhere, that move is what completes.
    void UserMovedTo(Control& target);

    // Puts the platform's focus on a control; headless windows have none.
    std::function<void(Control&)> platformMove;

private:
    // True when the change completed, false when a move inside the exit handler took its place.
    bool Change(Control& target);

    Control* focused_ = nullptr;
    bool windowActive_ = true;
    // The control whose exit handler is running: a change reported while it runs (a message box
    // that the handler shows gives the focus back when it closes) does not run it again.
    Control* exiting_ = nullptr;
    unsigned moves_ = 0;
};

}  // namespace vocset
