// Getting, translating and dispatching messages, in the main loop and from inside a handler.
#include "win32/MessageLoop.h"

namespace vocset::win32 {

namespace {
// A look at the queue costs a round trip to the window server; within this time of the last
// look a pump that may defer passes.
constexpr ULONGLONG kDeferMilliseconds = 10;
}  // namespace

int MessageLoop::Run() {
    MSG message;
    while (!window_->Closing() && GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return 0;
}

void MessageLoop::ProcessMessages(PumpMode mode) {
    const ULONGLONG now = GetTickCount64();
    if (mode == PumpMode::MayDefer && now - lastLook_ < kDeferMilliseconds) return;
    lastLook_ = now;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) Dispatch(message);
}

void MessageLoop::Dispatch(MSG& message) {
    if (window_ && window_->PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace vocset::win32
