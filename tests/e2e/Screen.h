// What the screen shows of another process's window, read back from the display.
#pragma once

#include <windows.h>

namespace e2e {

// The share, from 0 to 1, of the window's on-screen pixels that are a strong red.
double ShareOfRedPixels(HWND window);

}  // namespace e2e
