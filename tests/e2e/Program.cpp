// One run of vocset.exe: started in the work folder, its main window found, closed or ended.
#include "Program.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "Boxes.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

namespace {

constexpr wchar_t kMainWindowClass[] = L"TForm1";

struct WindowSearch {
    DWORD processId;
    std::vector<std::wstring> titles;
};

BOOL CALLBACK CollectTitle(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64];
    if (owner == search->processId && GetClassNameW(window, name, 64) && std::wstring(name) == kMainWindowClass) {
        wchar_t title[256] = L"";
        GetWindowTextW(window, title, 256);
        search->titles.push_back(title);
    }
    return TRUE;
}

// The titles of the program's TForm1 windows, to tell a wrong title from a missing window.
std::vector<std::wstring> MainWindowTitles(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectTitle, reinterpret_cast<LPARAM>(&search));
    return search.titles;
}

}  // namespace

Program::Program(const Context& context) : context_(context) {
    std::wstring commandLine = L"\"" + context.programPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(context.programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        context.workFolder.c_str(), &startup, &process_)) {
        Fail(L"cannot start " + Show(context.programPath) + L" (error " + std::to_wstring(GetLastError()) + L")");
    }
    const std::wstring title = context.Text(vocset::TextId::AppTitle);
    try {
        window_ = WaitFor(L"the main window " + Show(title), [&]() -> HWND {
            Expect(Running(), L"vocset.exe ended before its main window appeared");
            HWND found = FindWindowW(kMainWindowClass, title.c_str());
            DWORD owner = 0;
            if (found) GetWindowThreadProcessId(found, &owner);
            return owner == process_.dwProcessId && IsWindowVisible(found) ? found : nullptr;
        });
    } catch (const ScenarioFailure& failure) {
        const auto titles = MainWindowTitles(process_.dwProcessId);
        if (titles.empty()) throw;
        Fail(Widen(failure.what()) + L"; its TForm1 windows are titled " + Show(titles));
    }
}

Program::~Program() {
    if (Running()) {
        if (std::uncaught_exceptions() > 0) ReportOpenBoxes(window_);
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Program::Control(vocset::ControlId id) const { return FindControl(window_, id); }

void Program::Close() {
    ExpectNoBox(*this);
    PostMessageW(window_, WM_CLOSE, 0, 0);
    WaitFor(L"vocset.exe to end after its window was closed", [&] { return !Running(); });
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    ExpectEqual(static_cast<int>(status), 0, L"exit status of vocset.exe");
}

bool Program::Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

}  // namespace e2e
