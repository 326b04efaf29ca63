// What the screen shows of another process's window, read back from the display.
#include "Screen.h"

namespace e2e {

namespace {

bool IsStrongRed(COLORREF colour) {
    return GetRValue(colour) > 160 && GetGValue(colour) < 100 && GetBValue(colour) < 100;
}

}  // namespace

double ShareOfRedPixels(HWND window) {
    RECT place{};
    if (!GetWindowRect(window, &place) || place.right <= place.left || place.bottom <= place.top) return 0;
    HDC screen = GetDC(nullptr);
    int red = 0;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x) red += IsStrongRed(GetPixel(screen, x, y)) ? 1 : 0;
    }
    ReleaseDC(nullptr, screen);
    return static_cast<double>(red) / ((place.right - place.left) * (place.bottom - place.top));
}

}  // namespace e2e
