// The computer's local date and time from the system clock.
#include "win32/Win32Services.h"

namespace vocset::win32 {

DateTime Win32Clock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace vocset::win32
