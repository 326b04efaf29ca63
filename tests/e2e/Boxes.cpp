// The program's modal boxes: message boxes and file dialogs, top-level "#32770" windows that the
// main window owns.
#include "Boxes.h"

#include <cstdio>
#include <vector>

#include "Program.h"
#include "Screen.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static that holds a message box's text
constexpr int kMessageIconId = 0x0440;  // the static that shows a message box's icon under Wine
// Most of the error icon, a red disc with a white cross, is red; no other system icon is.
constexpr double kErrorIconRedShare = 0.25;
constexpr int kFileNameBoxId = 0x047C;  // the name box of the file dialog

struct BoxSearch {
    HWND owner;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    wchar_t name[16];
    if (GetWindow(window, GW_OWNER) == search->owner && GetClassNameW(window, name, 16) &&
        std::wstring(name) == L"#32770") {
        search->boxes.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> OwnedBoxes(HWND owner) {
    BoxSearch search{owner, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    return search.boxes;
}

HWND WaitForBox(const Program& program, const std::wstring& what, DWORD timeoutMs = kPatienceMs) {
    return WaitFor(
        what,
        [&]() -> HWND {
            for (HWND box : OwnedBoxes(program.Window())) {
                if (IsWindowVisible(box)) return box;
            }
            return nullptr;
        },
        timeoutMs);
}

bool IsFileDialog(HWND box) { return GetDlgItem(box, kFileNameBoxId) != nullptr; }

void WaitUntilGone(HWND box, const std::wstring& what) {
    WaitFor(what + L" to close", [&] { return !IsWindow(box); });
}

}  // namespace

HWND WaitForOpenMessageBox(const Program& program, const std::wstring& what, DWORD timeoutMs) {
    HWND box = WaitForBox(program, what, timeoutMs);
    Expect(!IsFileDialog(box), L"a file dialog opened where " + what + L" was expected");
    ExpectEqual(TextOf(box), program.Given().Text(vocset::TextId::AppTitle), L"caption of " + what);
    return box;
}

std::wstring MessageText(HWND box) {
    HWND text = GetDlgItem(box, kMessageTextId);
    return text ? TextOf(text) : std::wstring();
}

void PressOk(HWND box, const std::wstring& what) {
    HWND ok = GetDlgItem(box, IDOK);
    Expect(ok != nullptr, what + L" has no OK button");
    PostClick(ok);
    WaitUntilGone(box, what);
}

void WaitForMessageBox(const Program& program, const std::wstring& expectedText) {
    const std::wstring what = L"the message box " + Show(expectedText);
    HWND box = WaitForOpenMessageBox(program, what, kPatienceMs);
    ExpectEqual(MessageText(box), expectedText, L"text of the message box");
    PressOk(box, what);
}

std::wstring WaitForErrorBox(const Program& program, const std::wstring& textStart) {
    const std::wstring what = L"the error box " + Show(textStart + L"...");
    return AnswerErrorBox(WaitForOpenMessageBox(program, what, kPatienceMs), what, textStart);
}

std::wstring AnswerErrorBox(HWND box, const std::wstring& what, const std::wstring& textStart) {
    const std::wstring text = MessageText(box);
    Expect(text.starts_with(textStart), L"text of " + what + L": got " + Show(text));
    HWND icon = GetDlgItem(box, kMessageIconId);
    Expect(icon && Send(icon, STM_GETICON) != 0, what + L" shows no icon");
    WaitFor(L"the error icon in " + what, [&] { return ShareOfRedPixels(icon) > kErrorIconRedShare; });
    PressOk(box, what);
    return text;
}

std::wstring AnswerFileDialog(const Program& program, const std::wstring& path) {
    return AnswerFileDialog(WaitForOpenFileDialog(program), path);
}

HWND WaitForOpenFileDialog(const Program& program) {
    HWND box = WaitForBox(program, L"a file dialog");
    Expect(IsFileDialog(box), L"a message box " + Show(MessageText(box)) + L" opened where a file dialog was expected");
    return box;
}

std::wstring AnswerFileDialog(HWND box, const std::wstring& path) {
    HWND name = GetDlgItem(box, kFileNameBoxId);
    const std::wstring proposed = TextOf(name);
    SetText(name, path);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitUntilGone(box, L"the file dialog");
    return proposed;
}

void ExpectNoBox(const Program& program) {
    Sync(program.Window());
    for (HWND box : OwnedBoxes(program.Window())) {
        Fail(IsFileDialog(box) ? L"a file dialog is open"
                               : L"an unexpected message box is open: " + Show(MessageText(box)));
    }
}

void ReportOpenBoxes(HWND owner) {
    for (HWND box : OwnedBoxes(owner)) {
        // The window's own copy of its text: asking the program could block, and this must not fail.
        wchar_t text[512] = L"";
        GetWindowTextW(GetDlgItem(box, kMessageTextId), text, 512);
        const std::wstring what = IsFileDialog(box) ? L"a file dialog" : L"a message box " + Show(std::wstring(text));
        std::printf("    (still open: %s)\n", Narrow(what).c_str());
    }
}

}  // namespace e2e
