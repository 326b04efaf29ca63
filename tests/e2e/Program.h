// One run of vocset.exe: started in the work folder, its main window found, closed or ended.
#pragma once

#include <windows.h>

#include "Scenario.h"
#include "ui/ControlId.h"

namespace e2e {

class Program {
public:
    // Starts the program and waits until its main window, with the variant's title, is shown.
    explicit Program(const Context& context);
    // Starts the program and waits only until its main window exists, shown or not: for what
    // start-up does before the window is shown. WaitUntilShown then waits for the rest.
    struct BeforeShown {};
    Program(const Context& context, BeforeShown);
    void WaitUntilShown();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Window() const { return window_; }
    HWND Control(vocset::ControlId id) const;
    const Context& Given() const { return context_; }

    // Closes the main window as the user would and expects the program to end with status 0.
    void Close();

private:
    void Start();
    // The process's main window: the visible one, or any.
    HWND WaitForMainWindow(bool visible);

    // The started process; ended on destruction if still running, also when the constructor fails.
    struct ChildProcess {
        PROCESS_INFORMATION info{};
        ChildProcess() = default;
        ChildProcess(const ChildProcess&) = delete;
        ChildProcess& operator=(const ChildProcess&) = delete;
        ~ChildProcess();
        bool Running() const;
    };

    const Context& context_;
    ChildProcess process_;
    HWND window_ = nullptr;
};

}  // namespace e2e
