// Reading and driving another process's windows: controls by id, their state, clicks and pages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/ControlId.h"

namespace e2e {

// The descendant of `window` whose control id is `id`; fails when there is none.
HWND FindControl(HWND window, vocset::ControlId id);

// SendMessage that fails the scenario, instead of blocking the driver, when the program hangs.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Returns once the program's thread has handled every message sent before.
void Sync(HWND window);

std::wstring TextOf(HWND window);
void SetText(HWND window, const std::wstring& text);
bool IsChecked(HWND checkBox);
bool IsShown(HWND window);  // visible on screen: the window and all its parents
bool IsEnabled(HWND window);
std::vector<std::wstring> ComboItems(HWND comboBox);
int ComboSelection(HWND comboBox);
int CurrentPage(HWND tabControl);
// The window that has the keyboard focus in the thread that owns `window`, and its active window.
HWND FocusedWindow(HWND window);
HWND ActiveWindow(HWND window);

// Switches pages as a click on the tab does, notifying the program.
void ShowPage(HWND tabControl, int index);
// Clicks a button without waiting for its handler, which may open a modal box.
void PostClick(HWND button);
// Gives a control the keyboard focus as a mouse click on it does, and waits until it has it.
void FocusByClick(HWND control);
// Presses and releases Enter, with no modifier, in the focused control.
void PostEnter(HWND control);
// Minimises the top-level window, as its caption's button does, and restores it, as a click on
// its icon does, waiting for each.
void MinimiseAndRestore(HWND window);

}  // namespace e2e
