// One run of vocset.exe: started in the work folder, its main window found, closed or ended.
#include "Program.h"

#include <exception>

#include "Boxes.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

namespace {

constexpr wchar_t kMainWindowClass[] = L"TForm1";

struct WindowSearch {
    DWORD processId;
    bool visible;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64];
    if (owner != search->processId || (search->visible && !IsWindowVisible(window)) ||
        !GetClassNameW(window, name, 64) || std::wstring(name) != kMainWindowClass) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

// The process's TForm1 window, whatever its title; with `visible`, only a visible one.
HWND MainWindowOf(DWORD processId, bool visible) {
    WindowSearch search{processId, visible, nullptr};
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TitleOf(HWND window) {
    wchar_t title[256] = L"";
    GetWindowTextW(window, title, 256);
    return title;
}

}  // namespace

Program::Program(const Context& context) : context_(context) {
    Start();
    WaitUntilShown();
}

Program::Program(const Context& context, BeforeShown) : context_(context) {
    Start();
    window_ = WaitForMainWindow(false);
}

void Program::Start() {
    std::wstring commandLine = L"\"" + context_.programPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(context_.programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        context_.workFolder.c_str(), &startup, &process_.info)) {
        Fail(L"cannot start " + Show(context_.programPath) + L" (error " + std::to_wstring(GetLastError()) + L")");
    }
}

HWND Program::WaitForMainWindow(bool visible) {
    return WaitFor(std::wstring(visible ? L"the shown" : L"the") + L" main window (class TForm1) of vocset.exe", [&] {
        Expect(process_.Running(), L"vocset.exe ended before its main window appeared");
        return MainWindowOf(process_.info.dwProcessId, visible);
    });
}

void Program::WaitUntilShown() {
    const HWND shown = WaitForMainWindow(true);
    Expect(!window_ || shown == window_, L"vocset.exe showed another main window than the one it made first");
    window_ = shown;
    const std::wstring title = context_.Text(vocset::TextId::AppTitle);
    ExpectEqual(TitleOf(window_), title, L"title of the main window");
    Expect(FindWindowW(kMainWindowClass, title.c_str()) == window_,
           L"FindWindow(TForm1, title) finds another window than the program's");
}

Program::~Program() {
    if (process_.Running() && std::uncaught_exceptions() > 0) ReportOpenBoxes(window_);
}

HWND Program::Control(vocset::ControlId id) const { return FindControl(window_, id); }

void Program::Close() {
    ExpectNoBox(*this);
    PostMessageW(window_, WM_CLOSE, 0, 0);
    WaitFor(L"vocset.exe to end after its window was closed", [&] { return !process_.Running(); });
    DWORD status = 0;
    GetExitCodeProcess(process_.info.hProcess, &status);
    ExpectEqual(static_cast<int>(status), 0, L"exit status of vocset.exe");
}

Program::ChildProcess::~ChildProcess() {
    if (!info.hProcess) return;
    if (Running()) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, INFINITE);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

bool Program::ChildProcess::Running() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }

}  // namespace e2e
