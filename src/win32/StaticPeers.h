// Peers of the controls that take no input: labels, group boxes and the progress bar.
#pragma once

#include "widgets/Controls.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

// A label; one laid out with no width sizes itself to its text.
class LabelPeer : public WindowPeer {
public:
    LabelPeer(HWND window, Label& label, Dispatcher& dispatcher, bool autoSize)
        : WindowPeer(window, label, dispatcher), autoSize_(autoSize) {}
    void Changed(Property property) override;

private:
    bool autoSize_;
};

// A group box: a container whose frame and caption a group-box button below its controls draws.
class GroupBoxPeer : public WindowPeer {
public:
    GroupBoxPeer(HWND container, GroupBox& box, Dispatcher& dispatcher, HWND frame)
        : WindowPeer(container, box, dispatcher), frame_(frame) {}
    void Changed(Property property) override;

private:
    HWND frame_;
};

class ProgressBarPeer : public WindowPeer {
public:
    ProgressBarPeer(HWND window, ProgressBar& bar, Dispatcher& dispatcher);
    void Changed(Property property) override;

private:
    ProgressBar& bar_;
};

}  // namespace vocset::win32
