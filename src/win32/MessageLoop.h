// The message loop of the program, and the pump that lets a long handler process pending messages.
#pragma once

#include <windows.h>

#include "widgets/Services.h"
#include "win32/MainWindow.h"

namespace vocset::win32 {

class MessageLoop : public MessagePump {
public:
    // The window whose keyboard handling every message passes; set once it exists, before any
    // handler runs.
    void Attach(MainWindow& window) { window_ = &window; }
    // Runs until the main window was asked to close and no handler is running any more.
    int Run();
    void ProcessMessages(PumpMode mode) override;

private:
    void Dispatch(MSG& message);
    MainWindow* window_ = nullptr;
    ULONGLONG lastLook_ = 0;
};

}  // namespace vocset::win32
