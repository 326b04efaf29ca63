// The program's modal boxes: message boxes and file dialogs, top-level "#32770" windows that the
// main window owns.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class Program;

// Waits for a message box, checks its caption (the program's title) and text, and presses OK.
void WaitForMessageBox(const Program& program, const std::wstring& expectedText);

// Waits for the default error box: the program's title, the error icon and a text that begins with
// `textStart`; presses OK and returns the whole text.
std::wstring WaitForErrorBox(const Program& program, const std::wstring& textStart);
// The steps of WaitForErrorBox after the box was found open; `what` names it in a failure.
std::wstring AnswerErrorBox(HWND box, const std::wstring& what, const std::wstring& textStart);

// Waits for a message box with the program's title as caption and returns it, still open; `what`
// names it in a failure. The steps of WaitForMessageBox, for a scenario that needs the moment between.
HWND WaitForOpenMessageBox(const Program& program, const std::wstring& what, DWORD timeoutMs);
std::wstring MessageText(HWND box);
// Presses OK and waits until the box has closed.
void PressOk(HWND box, const std::wstring& what);

// Waits for a file dialog, types `path` into its name box and confirms it; returns the name that
// the dialog proposed.
std::wstring AnswerFileDialog(const Program& program, const std::wstring& path);
// The two steps of AnswerFileDialog, for a scenario that needs the moment between.
HWND WaitForOpenFileDialog(const Program& program);
std::wstring AnswerFileDialog(HWND dialog, const std::wstring& path);

// Fails when the program, once it has handled what was sent before, has a box open.
void ExpectNoBox(const Program& program);

// Prints what the boxes open over `owner` say, to explain a failure.
void ReportOpenBoxes(HWND owner);

}  // namespace e2e
