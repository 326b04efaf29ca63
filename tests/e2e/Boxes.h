// The program's modal boxes: message boxes and file dialogs, top-level "#32770" windows that the
// main window owns.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class Program;

// Waits for a message box, checks its caption (the program's title) and text, and presses OK.
void WaitForMessageBox(const Program& program, const std::wstring& expectedText);

// Waits for a file dialog, types `path` into its name box and confirms it; returns the name that
// the dialog proposed.
std::wstring AnswerFileDialog(const Program& program, const std::wstring& path);

// Fails when the program, once it has handled what was sent before, has a box open.
void ExpectNoBox(const Program& program);

// Prints what the boxes open over `owner` say, to explain a failure.
void ReportOpenBoxes(HWND owner);

}  // namespace e2e
