// Reading and driving another process's windows: controls by id, their state, clicks and pages.
#include "Window.h"

#include <commctrl.h>

#include "Check.h"
#include "Wait.h"

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 10000;

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ControlSearch*>(lParam);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return {};
    return info;
}

}  // namespace

HWND FocusedWindow(HWND window) { return ThreadInfoOf(window).hwndFocus; }

HWND ActiveWindow(HWND window) { return ThreadInfoOf(window).hwndActive; }

HWND FindControl(HWND window, vocset::ControlId id) {
    ControlSearch search{vocset::IdNumber(id), nullptr};
    EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Fail(L"the main window has no control with id " + std::to_wstring(search.id));
    return search.found;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        Fail(L"the program did not answer message " + std::to_wstring(message) + L" to control " +
             std::to_wstring(GetDlgCtrlID(window)) + L" (hung or gone)");
    }
    return static_cast<LRESULT>(result);
}

void Sync(HWND window) { Send(window, WM_NULL); }

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void SetText(HWND window, const std::wstring& text) {
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND checkBox) { return Send(checkBox, BM_GETCHECK) == BST_CHECKED; }

bool IsShown(HWND window) { return IsWindowVisible(window) != FALSE; }

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

std::vector<std::wstring> ComboItems(HWND comboBox) {
    std::vector<std::wstring> items;
    const auto count = Send(comboBox, CB_GETCOUNT);
    for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i) {
        const auto length = Send(comboBox, CB_GETLBTEXTLEN, i);
        Expect(length >= 0, L"item " + std::to_wstring(i) + L" of control " + std::to_wstring(GetDlgCtrlID(comboBox)) +
                                L" cannot be read");
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        item.resize(static_cast<std::size_t>(Send(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

int ComboSelection(HWND comboBox) { return static_cast<int>(Send(comboBox, CB_GETCURSEL)); }

int CurrentPage(HWND tabControl) { return static_cast<int>(Send(tabControl, TCM_GETCURSEL)); }

void ShowPage(HWND tabControl, int index) { Send(tabControl, TCM_SETCURFOCUS, static_cast<WPARAM>(index)); }

void PostClick(HWND button) {
    if (!PostMessageW(button, BM_CLICK, 0, 0))
        Fail(L"could not post a click to control " + std::to_wstring(GetDlgCtrlID(button)));
}

void FocusByClick(HWND control) {
    const LPARAM point = MAKELPARAM(3, 3);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(control, WM_LBUTTONUP, 0, point);
    WaitFor(L"control " + std::to_wstring(GetDlgCtrlID(control)) + L" to have the focus",
            [&] { return FocusedWindow(control) == control; });
}

void PostEnter(HWND control) {
    constexpr LPARAM kEnterScanCode = 0x1C << 16;
    PostMessageW(control, WM_KEYDOWN, VK_RETURN, kEnterScanCode | 1);
    PostMessageW(control, WM_KEYUP, VK_RETURN, kEnterScanCode | 1 | (3u << 30));
}

void MinimiseAndRestore(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    WaitFor(L"the main window to be minimised", [&] { return IsIconic(window) != FALSE; });
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    WaitFor(L"the main window to be restored", [&] { return IsIconic(window) == FALSE; });
}

}  // namespace e2e
