// Container windows for pages, panels and group boxes: they hold controls and pass the controls'
// notifications up to the main window.
#pragma once

#include <windows.h>

namespace vocset::win32 {

enum class ContainerBorder { None, RaisedBevel };

// Registers the window class, once, before the first container is made.
void RegisterContainerClass();

// A child window of `parent` with the control id `id`, on button-face background.
HWND CreateContainer(HWND parent, int id, const RECT& place, ContainerBorder border);

}  // namespace vocset::win32
