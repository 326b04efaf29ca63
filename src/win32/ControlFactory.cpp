// Creation of the controls of each kind, their styles and sizes, and their peers.
#include "win32/ControlFactory.h"

#include <commctrl.h>

#include <stdexcept>

#include "win32/ButtonPeers.h"
#include "win32/ComboBoxPeer.h"
#include "win32/ContainerWindow.h"
#include "win32/DateTimePickerPeer.h"
#include "win32/EditPeer.h"
#include "win32/Glyphs.h"
#include "win32/MaskEditPeer.h"
#include "win32/StaticPeers.h"
#include "win32/TimerPeer.h"

namespace vocset::win32 {

namespace {
RECT Place(const ControlSpec& row) { return {row.left, row.top, row.left + row.width, row.top + row.height}; }

HWND CreateControl(const wchar_t* className, DWORD style, DWORD extendedStyle, HWND parent, int id, const RECT& place,
                   HFONT font) {
    HWND window =
        CreateWindowExW(extendedStyle, className, L"", WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

HWND CreateEdit(HWND parent, int id, const RECT& place, HFONT font) {
    return CreateControl(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, parent, id, place, font);
}

// Gives a drop-down list its laid-out height when closed, and room for `shown` items when open:
// common controls 6 count the items with CB_SETMINVISIBLE, older lists take the window's height.
void FitDropDown(HWND list, int closedHeight, int shown) {
    RECT box{};
    GetWindowRect(list, &box);
    const auto selectionHeight = static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int height = box.bottom - box.top;
    if (height != closedHeight) {
        SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), selectionHeight + closedHeight - height);
    }
    const auto itemHeight = static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(list, nullptr, 0, 0, box.right - box.left, closedHeight + shown * itemHeight + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(list, CB_SETMINVISIBLE, static_cast<WPARAM>(shown), 0);
}

template <class T>
T& WidgetOf(const TForm1& form, const ControlSpec& row) {
    auto* widget = dynamic_cast<T*>(form.Find(row.id));
    if (!widget) throw std::logic_error("the layout and the widgets disagree on a control's kind");
    return *widget;
}
}  // namespace

void ControlSet::Build(HWND mainWindow, HFONT font, TForm1& form) {
    RegisterContainerClass();
    focus_ = &form.Focus();
    for (const ControlSpec& row : form.Layout()) Make(row, mainWindow, font, form);
    // Created first, each group box's frame would lie over its controls.
    for (HWND frame : groupFrames_) {
        SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

WindowPeer* ControlSet::Find(int id) const {
    auto found = windows_.find(id);
    return found == windows_.end() ? nullptr : found->second;
}

template <class Peer, class... Arguments>
Peer& ControlSet::Keep(Arguments&&... arguments) {
    auto peer = std::make_unique<Peer>(std::forward<Arguments>(arguments)...);
    Peer& kept = *peer;
    windows_[kept.Widget().Id()] = &kept;
    peers_.push_back(std::move(peer));
    kept.MirrorAll();
    // The tab stops are the controls that take the focus; containers, labels and the progress bar do not.
    if (GetWindowLongPtrW(kept.Window(), GWL_STYLE) & WS_TABSTOP) kept.TrackFocus(*focus_);
    return kept;
}

void ControlSet::Make(const ControlSpec& row, HWND mainWindow, HFONT font, TForm1& form) {
    const int id = IdNumber(row.id);
    HWND parent = row.parent == ControlId::None ? mainWindow : Find(IdNumber(row.parent))->Window();
    const RECT place = Place(row);
    Dispatcher& dispatcher = form.Dispatcher();
    switch (row.kind) {
    case ControlKind::PageControl:
        pages_ = &Keep<PageControlPeer>(
            CreateControl(WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, 0, parent, id, place, font),
            WidgetOf<PageControl>(form, row), dispatcher);
        break;
    case ControlKind::TabSheet: {
        // A page lies over the tab control as its sibling, so that the tab control stays a tab stop
        // of its own.
        HWND sheet = CreateContainer(GetParent(parent), id, place, ContainerBorder::None);
        TabSheet& widget = WidgetOf<TabSheet>(form, row);
        Keep<TabSheetPeer>(sheet, widget, dispatcher, *pages_, pages_->AddPage(widget, sheet));
        break;
    }
    case ControlKind::GroupBox: {
        HWND box = CreateContainer(parent, id, place, ContainerBorder::None);
        HWND frame =
            CreateControl(L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, box, -1, {0, 0, row.width, row.height}, font);
        groupFrames_.push_back(frame);
        Keep<GroupBoxPeer>(box, WidgetOf<GroupBox>(form, row), dispatcher, frame);
        break;
    }
    case ControlKind::Panel: {
        // The button bar stands out with a thin raised edge; the alarm panels have none.
        const auto border = row.id == ControlId::Panel1 ? ContainerBorder::RaisedBevel : ContainerBorder::None;
        Keep<WindowPeer>(CreateContainer(parent, id, place, border), WidgetOf<Panel>(form, row), dispatcher);
        break;
    }
    case ControlKind::Label:
        Keep<LabelPeer>(CreateControl(L"STATIC", SS_LEFT, 0, parent, id, place, font), WidgetOf<Label>(form, row),
                        dispatcher, row.width == 0);
        break;
    case ControlKind::CheckBox:
        Keep<CheckBoxPeer>(CreateControl(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, parent, id, place, font),
                           WidgetOf<CheckBox>(form, row), dispatcher);
        break;
    case ControlKind::ComboBox: {
        HWND list = CreateControl(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, parent, id, place, font);
        FitDropDown(list, row.height, row.dropDownCount);
        Keep<ComboBoxPeer>(list, WidgetOf<ComboBox>(form, row), dispatcher);
        break;
    }
    case ControlKind::Edit:
        Keep<EditPeer>(CreateEdit(parent, id, place, font), WidgetOf<Edit>(form, row), dispatcher);
        break;
    case ControlKind::MaskEdit:
        Keep<MaskEditPeer>(CreateEdit(parent, id, place, font), WidgetOf<MaskEdit>(form, row), dispatcher);
        break;
    case ControlKind::DateTimePicker:
        Keep<DateTimePickerPeer>(CreateControl(DATETIMEPICK_CLASSW, WS_TABSTOP, 0, parent, id, place, font),
                                 WidgetOf<DateTimePicker>(form, row), dispatcher);
        break;
    case ControlKind::BitBtn: {
        const DWORD style = (row.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
        Keep<BitBtnPeer>(CreateControl(L"BUTTON", style, 0, parent, id, place, font), WidgetOf<BitBtn>(form, row),
                         dispatcher, CreateGlyphList(row.glyph));
        break;
    }
    case ControlKind::ProgressBar:
        // Without its theme the bar draws no frame of its own; the border keeps an empty bar in sight.
        Keep<ProgressBarPeer>(CreateControl(PROGRESS_CLASSW, PBS_SMOOTH | WS_BORDER, 0, parent, id, place, font),
                              WidgetOf<ProgressBar>(form, row), dispatcher);
        break;
    case ControlKind::Timer:
        peers_.push_back(std::make_unique<TimerPeer>(mainWindow, WidgetOf<Timer>(form, row)));
        break;
    }
}

}  // namespace vocset::win32
