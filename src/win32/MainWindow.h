// The main window: a top-level window of class "TForm1" holding every control of the form.
#pragma once

#include <windows.h>

#include "app/TForm1.h"
#include "win32/ControlFactory.h"

namespace vocset::win32 {

class MainWindow {
public:
    // Creates the window, hidden, with all its controls mirroring the form's widgets.
    explicit MainWindow(TForm1& form);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_; }
    void Show();
    // True once the window was asked to close; the message loop then ends, after the handler
    // that is running below it, if any, has returned.
    bool Closing() const { return closing_; }

    // Keyboard input that the window takes before the focused control: the Enter key for the
    // default buttons, then Tab and the other dialog keys. True when the message was handled.
    bool PreTranslate(MSG& message);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Activated(WPARAM state);
    void FocusedItself(HWND previous);
    void RestoreFocus();
    bool PressEnter(const MSG& message);
    WindowPeer* FocusedPeer() const;

    TForm1& form_;
    HFONT font_;
    HWND window_ = nullptr;
    ControlSet controls_;
    HWND lastFocus_ = nullptr;
    bool closing_ = false;
};

}  // namespace vocset::win32
