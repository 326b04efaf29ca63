// The system's text for an error code, as the file errors quote it.
#pragma once

#include <windows.h>

#include <string>

namespace vocset::win32 {

// The message of the code, without the line break the system ends it with.
std::string SystemErrorText(DWORD code);

}  // namespace vocset::win32
