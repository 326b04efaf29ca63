// Page switching between the tab control and the page widgets.
#include "win32/PagePeers.h"

#include "win32/WideText.h"

namespace vocset::win32 {

int PageControlPeer::AddPage(TabSheet& sheet, HWND window) {
    // The tab's caption comes with the page's text.
    TCITEMW item{};
    SendMessageW(Window(), TCM_INSERTITEMW, list_.size(), reinterpret_cast<LPARAM>(&item));
    list_.push_back({sheet, window});
    RECT area{};
    GetClientRect(Window(), &area);
    SendMessageW(Window(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(Window(), GetParent(window), reinterpret_cast<POINT*>(&area), 2);
    // Above the tab control, which leaves the part under it to the page.
    SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
    Changed(Property::ActivePage);
    return static_cast<int>(list_.size()) - 1;
}

void PageControlPeer::ShowActivePage() {
    const int active = pages_.ActivePageIndex();
    // The new page appears before the old one goes, so that the focus does not fall out of the window.
    for (int pass = 0; pass < 2; ++pass) {
        for (int index = 0; index < static_cast<int>(list_.size()); ++index) {
            const bool shown = index == active && list_[index].sheet.Visible();
            if (shown == (pass == 0)) ShowWindow(list_[index].window, shown ? SW_SHOW : SW_HIDE);
        }
    }
}

const Control* PageControlPeer::ShownPage() const {
    const int active = pages_.ActivePageIndex();
    return active >= 0 && active < static_cast<int>(list_.size()) ? &list_[active].sheet : nullptr;
}

void PageControlPeer::Changed(Property property) {
    if (property == Property::ActivePage) {
        SendMessageW(Window(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
        ShowActivePage();
    } else {
        WindowPeer::Changed(property);
    }
}

LRESULT PageControlPeer::Notify(const NMHDR& header) {
    if (header.code == TCN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(Window(), TCM_GETCURSEL, 0, 0));
        Dispatch([this, index] { pages_.UserSelectPage(index); });
    }
    return 0;
}

void TabSheetPeer::Changed(Property property) {
    switch (property) {
    case Property::Text: {
        std::wstring caption = Widen(Widget().Text());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(pages_.Window(), TCM_SETITEMW, static_cast<WPARAM>(index_), reinterpret_cast<LPARAM>(&item));
        break;
    }
    case Property::Visible: pages_.ShowActivePage(); break;
    default: WindowPeer::Changed(property); break;
    }
}

}  // namespace vocset::win32
