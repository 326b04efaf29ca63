// Focus changes and the exit handler of the control that loses the focus.
#include "widgets/Focus.h"

namespace vocset {

void Focus::MoveTo(Control& target) {
    if (Change(target) && platformMove) platformMove(target);
}

void Focus::UserMovedTo(Control& target) { Change(target); }

bool Focus::Change(Control& target) {
    const unsigned move = ++moves_;
    if (focused_ == &target) return true;
    Control* losing = focused_;
    if (losing && losing != exiting_ && losing->OnExit) {
        Control* outer = exiting_;
        exiting_ = losing;
        struct Restore {
            Control*& slot;
            Control* value;
            ~Restore() { slot = value; }
        } restore{exiting_, outer};
        losing->OnExit();
        if (moves_ != move) return false;
    }
    focused_ = &target;
    return true;
}

}  // namespace vocset
