// The user's editing of the masked time edit, taken from its EDIT and done by the widget.
#include "win32/MaskEditPeer.h"

#include <string>

#include "win32/WideText.h"

namespace vocset::win32 {

namespace {
constexpr char16_t kControlPaste = 0x16;  // Ctrl+V
constexpr char16_t kControlCut = 0x18;    // Ctrl+X
constexpr char16_t kControlUndo = 0x1A;   // Ctrl+Z

// The clipboard's text; empty when it holds none or is busy.
std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* locked = GlobalLock(data)) {
            CopyMemory(locked, text.c_str(), bytes);
            GlobalUnlock(data);
            if (!SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);
        } else {
            GlobalFree(data);
        }
    }
    CloseClipboard();
}

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }
}  // namespace

MaskEditPeer::MaskEditPeer(HWND window, MaskEdit& edit, Dispatcher& dispatcher)
    : EditPeer(window, edit, dispatcher), edit_(edit) {}

// The EDIT's text changes only by mirroring, unless someone else set it (WM_SETTEXT from outside):
// that text is conformed like a text from code and shown as the widget keeps it.
void MaskEditPeer::Command(WORD code) {
    if (code != EN_CHANGE) return;
    const std::wstring shown = WindowText(Window());
    if (shown == Widen(edit_.Text())) return;
    const std::string text = Narrow(shown);
    Dispatch([this, &text] { edit_.UserSetText(text); });
    MirrorText(Window());
}

LRESULT MaskEditPeer::Intercept(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: return Character(wParam, lParam);
    case WM_KEYDOWN:
        // Shift+Delete and Shift+Insert are the EDIT's cut and paste keys.
        if (wParam == VK_DELETE) {
            if (ShiftHeld()) Cut();
            else EditAtCaret([this] { edit_.UserDelete(); });
            return 0;
        }
        if (wParam == VK_INSERT && ShiftHeld()) {
            Paste();
            return 0;
        }
        return PassOn(message, wParam, lParam);
    case WM_PASTE: Paste(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_CLEAR:
        EditAtCaret([this] {
            if (edit_.SelLength() > 0) edit_.UserDelete();
        });
        return 0;
    // The EDIT's undo would bring back a text the mask never saw; the field has none.
    case WM_UNDO:
    case EM_UNDO:
    case EM_CANUNDO: return FALSE;
    default: return EditPeer::Intercept(message, wParam, lParam);
    }
}

// Backspace and the printable characters are the mask's typing, key-press handler first; the other
// control characters pass that handler too, then go to the EDIT (copy, select all) unless they
// would edit the text.
LRESULT MaskEditPeer::Character(WPARAM wParam, LPARAM lParam) {
    const auto key = static_cast<char16_t>(wParam);
    if (key == u'\b' || key >= u' ') {
        EditAtCaret([this, key] { edit_.UserType(key); });
        return 0;
    }
    char16_t passed = 0;
    Dispatch([this, &passed, key] { passed = edit_.UserKeyPress(key); });
    switch (passed) {
    case 0:
    case kControlUndo: return 0;
    case kControlPaste: Paste(); return 0;
    case kControlCut: Cut(); return 0;
    default: return PassOn(WM_CHAR, passed, lParam);
    }
}

void MaskEditPeer::EditAtCaret(const std::function<void()>& edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Dispatch([this, &edit, start, end] {
        edit_.UserSetSelection(static_cast<int>(start), static_cast<int>(end - start));
        edit();
    });
    MirrorText(Window());
    SendMessageW(Window(), EM_SETSEL, static_cast<WPARAM>(edit_.SelStart()),
                 static_cast<LPARAM>(edit_.SelStart() + edit_.SelLength()));
}

void MaskEditPeer::Paste() {
    const std::string pasted = Narrow(ClipboardText(Window()));
    EditAtCaret([this, &pasted] { edit_.UserPaste(pasted); });
}

void MaskEditPeer::Cut() {
    std::string cut;
    EditAtCaret([this, &cut] { cut = edit_.UserCut(); });
    if (!cut.empty()) SetClipboardText(Window(), Widen(cut));
}

}  // namespace vocset::win32
