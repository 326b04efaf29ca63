// The decoding page as a user works it: its commands through the real dialogs, and its run state.
#pragma once

#include <string>

#include "Program.h"

namespace e2e {

// Shows the decoding page.
void ShowDecodingPage(const Program& program);
// Presses Open file and chooses `path` in the open dialog.
void OpenRecording(const Program& program, const std::wstring& path);
// Presses Save file and chooses `path` in the save dialog; returns the name that the dialog proposed.
std::wstring ChooseTarget(const Program& program, const std::wstring& path);
// Presses Start, which runs until its closing message or Stop; returns at once.
void PressStart(const Program& program);

// A run is in progress: Start hidden and Stop shown in its place.
bool Running(const Program& program);
// Fails unless the run is over: no box open, Start shown and Stop hidden, the progress bar at
// `progress`; `when` says at which step.
void ExpectRunOver(const Program& program, const std::wstring& when, int progress);
int ProgressPosition(const Program& program);

// The file name without its folder.
std::wstring NameOf(const std::wstring& path);

}  // namespace e2e
