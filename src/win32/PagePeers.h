// Peers of the page control (a tab control) and of its pages (containers on the tab's display area).
#pragma once

#include <vector>

#include "widgets/Controls.h"
#include "win32/WindowPeer.h"

namespace vocset::win32 {

class PageControlPeer : public WindowPeer {
public:
    PageControlPeer(HWND window, PageControl& pages, Dispatcher& dispatcher)
        : WindowPeer(window, pages, dispatcher), pages_(pages) {}
    // Adds a tab for the page, places the page's window on the tab's display area and shows it
    // when it is the active page; returns the tab's index.
    int AddPage(TabSheet& sheet, HWND window);
    // Shows the window of the active page, if that page is visible, and hides the others.
    void ShowActivePage();
    const Control* ShownPage() const;

    void Changed(Property property) override;
    LRESULT Notify(const NMHDR& header) override;

private:
    struct Page {
        TabSheet& sheet;
        HWND window;
    };
    PageControl& pages_;
    std::vector<Page> list_;
};

// A page: its caption is the tab's text, and the page control decides when its window shows.
class TabSheetPeer : public WindowPeer {
public:
    TabSheetPeer(HWND window, TabSheet& sheet, Dispatcher& dispatcher, PageControlPeer& pages, int index)
        : WindowPeer(window, sheet, dispatcher), pages_(pages), index_(index) {}
    void Changed(Property property) override;

private:
    PageControlPeer& pages_;
    int index_;
};

}  // namespace vocset::win32
