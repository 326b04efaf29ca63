// A top-level window of the driver's own, in place of another program's window.
#include "OtherWindow.h"

#include "Check.h"
#include "Wait.h"

namespace e2e {

namespace {

constexpr wchar_t kClassName[] = L"vocset_e2e_other_program";
// Under Wine the display's focus events of an earlier switch can come late and take the foreground
// back; a switch counts once the window has stayed in front this long.
constexpr ULONGLONG kSettleMs = 500;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

OtherWindow::OtherWindow() {
    HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, made] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, kClassName, L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 200,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        SetEvent(made);
        MSG message;
        while (window_ && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    });
    WaitForSingleObject(made, kPatienceMs);
    CloseHandle(made);
    if (!window_) {
        thread_.join();
        Fail(L"the driver could not make a window of its own");
    }
}

OtherWindow::~OtherWindow() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
}

void Activate(HWND window) {
    wchar_t title[128] = L"";
    GetWindowTextW(window, title, 128);  // the window's own copy: no message to its thread
    ULONGLONG foregroundSince = 0;
    WaitFor(L"the window " + Show(std::wstring(title)) + L" to stay the foreground window", [&] {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
            foregroundSince = 0;
            return false;
        }
        if (!foregroundSince) foregroundSince = GetTickCount64();
        return GetTickCount64() - foregroundSince >= kSettleMs;
    });
}

}  // namespace e2e
