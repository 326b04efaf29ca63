// The computer's local date and time from the system clock.
#include "win32/Win32Services.h"

#include "win32/SystemTime.h"

namespace vocset::win32 {

DateTime Win32Clock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FromSystemTime(now);
}

}  // namespace vocset::win32
