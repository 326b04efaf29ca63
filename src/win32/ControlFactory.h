// The main window's controls, made from the layout table, each with its peer.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "app/TForm1.h"
#include "win32/PagePeers.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

class ControlSet {
public:
    // Makes every control of the form's layout as a window with its id as control id, under the
    // window of its parent row, and mirrors the widget's state into it. The controls that can take
    // the keyboard focus report it to the form's Focus.
    void Build(HWND mainWindow, HFONT font, TForm1& form);
    // The peer of the control with this id; null when there is none.
    WindowPeer* Find(int id) const;
    const Control* ShownPage() const { return pages_ ? pages_->ShownPage() : nullptr; }

private:
    void Make(const ControlSpec& row, HWND mainWindow, HFONT font, TForm1& form);
    template <class Peer, class... Arguments>
    Peer& Keep(Arguments&&... arguments);

    std::vector<std::unique_ptr<WidgetPeer>> peers_;
    std::map<int, WindowPeer*> windows_;
    PageControlPeer* pages_ = nullptr;
    Focus* focus_ = nullptr;
    std::vector<HWND> groupFrames_;
};

}  // namespace vocset::win32
