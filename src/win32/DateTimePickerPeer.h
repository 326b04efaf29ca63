// Peer of the date picker.
#pragma once

#include "widgets/Controls.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

class DateTimePickerPeer : public WindowPeer {
public:
    DateTimePickerPeer(HWND window, DateTimePicker& picker, Dispatcher& dispatcher);
    void Changed(Property property) override;
    LRESULT Notify(const NMHDR& header) override;

private:
    LRESULT Intercept(UINT message, WPARAM wParam, LPARAM lParam) override;
    DateTimePicker& picker_;
};

}  // namespace vocset::win32
