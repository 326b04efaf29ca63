// The container window class.
#include "win32/ContainerWindow.h"

namespace vocset::win32 {

namespace {
constexpr const wchar_t* kClassName = L"VocsetContainer";
constexpr int kBorderSlot = 0;  // window extra bytes: the ContainerBorder

LRESULT CALLBACK ContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY: return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        if (static_cast<ContainerBorder>(GetWindowLongPtrW(window, kBorderSlot)) == ContainerBorder::RaisedBevel) {
            RECT area;
            GetClientRect(window, &area);
            DrawEdge(context, &area, BDR_RAISEDINNER, BF_RECT);
        }
        EndPaint(window, &paint);
        return 0;
    }
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void RegisterContainerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ContainerProcedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

HWND CreateContainer(HWND parent, int id, const RECT& place, ContainerBorder border) {
    HWND container =
        CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left,
                        place.top, place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(container, kBorderSlot, static_cast<LONG_PTR>(border));
    return container;
}

}  // namespace vocset::win32
