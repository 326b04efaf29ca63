// The widgets' DateTime as the Win32 SYSTEMTIME, and back.
#pragma once

#include <windows.h>

#include "widgets/DateTime.h"

namespace vocset::win32 {

// The day of the week stays 0.
SYSTEMTIME ToSystemTime(const DateTime& value);
DateTime FromSystemTime(const SYSTEMTIME& time);

}  // namespace vocset::win32
