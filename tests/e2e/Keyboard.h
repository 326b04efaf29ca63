// Typing into another process's controls: characters and keys posted to the focused control, so
// that they reach it through the program's message loop, in order, as the keyboard's do.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Types `text`, one WM_CHAR a character.
void PostCharacters(HWND control, const std::wstring& text);
// Presses and releases a key that makes no character (Tab, Delete), with no modifier held.
void PostKey(HWND control, WORD virtualKey);
// Selects the edit's whole text, in turn with the keys posted before and after it.
void PostSelectAll(HWND edit);
// Presses Tab, one press at a time, until `control` has the keyboard focus: a focus move that,
// unlike a click, runs no handler of the control.
void TabUntilFocused(HWND control);

}  // namespace e2e
