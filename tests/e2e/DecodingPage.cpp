// The decoding page as a user works it: its commands through the real dialogs, and its run state.
#include "DecodingPage.h"

#include <commctrl.h>

#include "Boxes.h"
#include "Check.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;

void ShowDecodingPage(const Program& program) { ShowPage(program.Control(ControlId::PageControl1), 1); }

void OpenRecording(const Program& program, const std::wstring& path) {
    PostClick(program.Control(ControlId::BitBtn3));
    AnswerFileDialog(program, path);
}

std::wstring ChooseTarget(const Program& program, const std::wstring& path) {
    PostClick(program.Control(ControlId::BitBtn4));
    return AnswerFileDialog(program, path);
}

void PressStart(const Program& program) { PostClick(program.Control(ControlId::BitBtn5)); }

bool Running(const Program& program) {
    return !IsShown(program.Control(ControlId::BitBtn5)) && IsShown(program.Control(ControlId::BitBtn6));
}

void ExpectRunOver(const Program& program, const std::wstring& when, int progress) {
    ExpectNoBox(program);
    ExpectEqual(IsShown(program.Control(ControlId::BitBtn5)), true, L"BitBtn5 (Start) shown " + when);
    ExpectEqual(IsShown(program.Control(ControlId::BitBtn6)), false, L"BitBtn6 (Stop) shown " + when);
    ExpectEqual(ProgressPosition(program), progress, L"position of ProgressBar1 " + when);
}

int ProgressPosition(const Program& program) {
    return static_cast<int>(Send(program.Control(ControlId::ProgressBar1), PBM_GETPOS));
}

std::wstring NameOf(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

}  // namespace e2e
