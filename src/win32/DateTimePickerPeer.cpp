// The picker's value mirrored into a date-time picker control; dates the user picks and clicks
// routed to the widget.
#include "win32/DateTimePickerPeer.h"

#include "win32/SystemTime.h"
#include "win32/WideText.h"

namespace vocset::win32 {

DateTimePickerPeer::DateTimePickerPeer(HWND window, DateTimePicker& picker, Dispatcher& dispatcher)
    : WindowPeer(window, picker, dispatcher), picker_(picker) {
    SendMessageW(window, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(Widen(picker.Format()).c_str()));
    Subclass();
}

void DateTimePickerPeer::Changed(Property property) {
    if (property != Property::Value) {
        WindowPeer::Changed(property);
        return;
    }
    const SYSTEMTIME time = ToSystemTime(picker_.Value());
    SendMessageW(Window(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

LRESULT DateTimePickerPeer::Notify(const NMHDR& header) {
    if (header.code == DTN_DATETIMECHANGE) {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        if (change.dwFlags == GDT_VALID) {
            const SYSTEMTIME date = change.st;
            Dispatch([this, date] { picker_.UserSetDate(date.wYear, date.wMonth, date.wDay); });
        }
    }
    return 0;
}

LRESULT DateTimePickerPeer::Intercept(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(message, wParam, lParam);
    if (message == WM_LBUTTONUP) Dispatch([this] { picker_.UserClick(); });
    return result;
}

}  // namespace vocset::win32
