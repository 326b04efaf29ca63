// Typing into another process's controls: characters and keys posted to the focused control, so
// that they reach it through the program's message loop, in order, as the keyboard's do.
#include "Keyboard.h"

#include "Check.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

namespace {

// More than the tab stops of a page.
constexpr int kMostTabs = 64;

// The repeat count 1 and the key's scan code, as in the keyboard's own messages.
LPARAM KeyData(WORD virtualKey, bool release) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    return 1 | scanCode | (release ? static_cast<LPARAM>(3u << 30) : 0);
}

void Post(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageW(control, message, wParam, lParam)) {
        Fail(L"could not post message " + std::to_wstring(message) + L" to control " +
             std::to_wstring(GetDlgCtrlID(control)));
    }
}

}  // namespace

void PostCharacters(HWND control, const std::wstring& text) {
    for (wchar_t character : text) {
        const SHORT key = VkKeyScanW(character);
        Post(control, WM_CHAR, character, KeyData(key == -1 ? 0 : LOBYTE(key), false));
    }
}

void PostKey(HWND control, WORD virtualKey) {
    Post(control, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    Post(control, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

void PostSelectAll(HWND edit) { Post(edit, EM_SETSEL, 0, -1); }

void TabUntilFocused(HWND control) {
    for (int press = 0; press < kMostTabs; ++press) {
        HWND focused = FocusedWindow(control);
        if (focused == control) return;
        Expect(focused != nullptr, L"no control has the focus to Tab from");
        PostKey(focused, VK_TAB);
        WaitFor(L"Tab to move the focus on from control " + std::to_wstring(GetDlgCtrlID(focused)),
                [&] { return FocusedWindow(control) != focused; });
    }
    Fail(L"Tab did not reach control " + std::to_wstring(GetDlgCtrlID(control)) + L" in " + std::to_wstring(kMostTabs) +
         L" presses");
}

}  // namespace e2e
