// The main window's creation, its window procedure and its keyboard handling.
#include "win32/MainWindow.h"

#include "widgets/EnterKey.h"
#include "win32/WideText.h"
#include "win32/res/Resource.h"

namespace vocset::win32 {

namespace {
constexpr const wchar_t* kClassName = L"TForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::wstring FaceOf(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return face;
}

// Where the system has no "MS Sans Serif" in the language's character set (Cyrillic on a Western
// system), the font mapper puts some other face in its place, which may draw wider than it
// measures; Tahoma at the same size holds Cyrillic and draws within its measure.
HFONT CreateFormFont(const Language& language) {
    LOGFONTW font{};
    font.lfHeight = -kMainForm.fontPixelHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = static_cast<BYTE>(language.fontCharset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = Widen(kMainForm.fontFace);
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectW(&font);
    if (lstrcmpiW(FaceOf(handle).c_str(), face.c_str()) == 0) return handle;
    DeleteObject(handle);
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void RegisterMainClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VOCSET));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VOCSET), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

bool ModifierHeld() { return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }
}  // namespace

MainWindow::MainWindow(TForm1& form) : form_(form), font_(CreateFormFont(form.Language())) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterMainClass(instance, Procedure);
    RECT frame{0, 0, kMainForm.clientWidth, kMainForm.clientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    CreateWindowExW(0, kClassName, Widen(form.Language().Text(TextId::AppTitle)).c_str(), kStyle, left, top, width,
                    height, nullptr, nullptr, instance, this);
    controls_.Build(window_, font_, form_);
    form_.Focus().platformMove = [this](Control& control) {
        if (WindowPeer* peer = controls_.Find(control.Id())) SetFocus(peer->Window());
    };
}

MainWindow::~MainWindow() {
    form_.Focus().platformMove = nullptr;
    DestroyWindow(window_);
    DeleteObject(font_);
}

void MainWindow::Show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Only notifications of controls; menu and accelerator commands carry no control.
        if (lParam) {
            if (WindowPeer* peer = controls_.Find(LOWORD(wParam))) peer->Command(HIWORD(wParam));
        }
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        WindowPeer* peer = controls_.Find(static_cast<int>(header.idFrom));
        return peer && peer->Window() == header.hwndFrom ? peer->Notify(header) : 0;
    }
    case WM_TIMER:
        if (auto* timer = dynamic_cast<Timer*>(form_.Find(static_cast<ControlId>(wParam)))) {
            form_.Dispatcher().Run([timer] { timer->Tick(); });
        }
        return 0;
    case WM_ACTIVATE: Activated(wParam); return 0;
    case WM_SETFOCUS: FocusedItself(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_CLOSE:
        form_.Dispatcher().Run([this] { form_.FormClose(); });
        closing_ = true;
        return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// The form learns of each activation before the focus is put back, so that the control's report of
// the focus finds the window active and is no change. Leaving the window, for another program or
// for a box of its own, takes the keyboard focus from its controls without a change of focus; so
// does a minimised window, which keeps the focus for itself.
void MainWindow::Activated(WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
    }
    const bool active = LOWORD(state) != WA_INACTIVE && !HIWORD(state);
    form_.Focus().SetWindowActive(active);
    if (active) RestoreFocus();
}

// The window itself got the focus, as when it is restored from its icon: the focus goes on to the
// control that has just lost it to the window.
void MainWindow::FocusedItself(HWND previous) {
    if (previous && IsChild(window_, previous)) lastFocus_ = previous;
    const bool restored = !IsIconic(window_);
    form_.Focus().SetWindowActive(restored);
    if (restored) RestoreFocus();
}

// As a dialog does: the focus goes back to the control that had it when the window was left; at
// first it goes to the first control of the layout, the page control.
void MainWindow::RestoreFocus() {
    HWND target = lastFocus_;
    if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = controls_.Find(IdNumber(form_.Layout().front().id))->Window();
    }
    SetFocus(target);
}

bool MainWindow::PreTranslate(MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        // Enter that no default button takes goes to the control as a character, not to the
        // dialog manager, which would turn it into a command.
        return PressEnter(message);
    }
    return IsDialogMessageW(window_, &message);
}

bool MainWindow::PressEnter(const MSG& message) {
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    WindowPeer* focused = FocusedPeer();
    if (focused && dynamic_cast<ComboBox*>(&focused->Widget()) &&
        SendMessageW(focused->Window(), CB_GETDROPPEDSTATE, 0, 0)) {
        return false;  // Enter closes the open list
    }
    BitBtn* button = ButtonForEnter(focused ? &focused->Widget() : nullptr, form_.DefaultButtons(),
                                    controls_.ShownPage(), ModifierHeld());
    if (!button) return false;
    form_.Dispatcher().Run([button] { button->Click(); });
    return true;
}

WindowPeer* MainWindow::FocusedPeer() const {
    for (HWND window = GetFocus(); window && window != window_; window = GetParent(window)) {
        WindowPeer* peer = controls_.Find(GetDlgCtrlID(window));
        if (peer && peer->Window() == window) return peer;
    }
    return nullptr;
}

}  // namespace vocset::win32
