// The program's own window messages.
#pragma once

#include <windows.h>

namespace vocset::win32 {

// Posted to the main window when a control lost the focus to another control of the window;
// wParam is the control's id. Posted, so that the exit handler runs after the focus has moved
// and may move it back.
constexpr UINT kControlExitMessage = WM_APP + 1;

}  // namespace vocset::win32
