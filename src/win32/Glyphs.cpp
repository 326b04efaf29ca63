// Button pictures drawn from character art into image lists; magenta is the transparent colour.
#include "win32/Glyphs.h"

#include <array>
#include <cstdint>

namespace vocset::win32 {

namespace {
constexpr int kSize = 16;
using Art = std::array<const char*, kSize>;

// '.' transparent, 'k' black, 'w' white, 'Y' yellow, 'y' olive, 'g' silver, 'b' navy.
// clang-format off
constexpr Art kOpenFolder = {
    "................",
    "................",
    "................",
    ".kkkkk..........",
    "kYwYwYkkkkkkk...",
    "kwYwYwYwYwYwk...",
    "kYwYwYwYwYwYk...",
    "kwYwYwkkkkkkkkkk",
    "kYwYwkyyyyyyyyyk",
    "kwYwkyyyyyyyyyk.",
    "kYwkyyyyyyyyyk..",
    "kwkyyyyyyyyyk...",
    "kkyyyyyyyyyk....",
    "kkkkkkkkkkk.....",
    "................",
    "................",
};

constexpr Art kFloppyDisk = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbbggggggggbbk.",
    ".kbbggbbggggbbk.",
    ".kbbggbbggggbbk.",
    ".kbbggbbggggbbk.",
    ".kbbggggggggbbk.",
    ".kkkkkkkkkkkkkk.",
    "................",
};
// clang-format on

constexpr COLORREF kTransparent = RGB(255, 0, 255);

COLORREF Colour(char pixel) {
    switch (pixel) {
    case 'k': return RGB(0, 0, 0);
    case 'w': return RGB(255, 255, 255);
    case 'Y': return RGB(255, 255, 0);
    case 'y': return RGB(128, 128, 0);
    case 'g': return RGB(192, 192, 192);
    case 'b': return RGB(0, 0, 128);
    default: return kTransparent;
    }
}

using Pixels = std::array<std::array<COLORREF, kSize>, kSize>;

Pixels Paint(const Art& art) {
    Pixels pixels{};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) pixels[y][x] = Colour(art[y][x]);
    }
    return pixels;
}

bool Dark(COLORREF colour) {
    return colour != kTransparent && GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 384;
}

// The disabled look: dark parts in grey with a white highlight below and to the right, the rest left out.
Pixels Greyed(const Pixels& normal) {
    Pixels greyed{};
    for (auto& row : greyed) row.fill(kTransparent);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (Dark(normal[y][x])) greyed[y][x] = RGB(128, 128, 128);
        }
    }
    for (int y = 0; y + 1 < kSize; ++y) {
        for (int x = 0; x + 1 < kSize; ++x) {
            if (Dark(normal[y][x]) && greyed[y + 1][x + 1] == kTransparent) greyed[y + 1][x + 1] = RGB(255, 255, 255);
        }
    }
    return greyed;
}

void AddImage(HIMAGELIST list, const Pixels& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* row = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < kSize; ++y, row += kSize * 3) {
        for (int x = 0; x < kSize; ++x) {
            row[x * 3] = GetBValue(pixels[y][x]);
            row[x * 3 + 1] = GetGValue(pixels[y][x]);
            row[x * 3 + 2] = GetRValue(pixels[y][x]);
        }
    }
    ImageList_AddMasked(list, bitmap, kTransparent);
    DeleteObject(bitmap);
}
}  // namespace

GlyphList CreateGlyphList(Glyph glyph) {
    if (glyph == Glyph::None) return nullptr;
    const Pixels normal = Paint(glyph == Glyph::OpenFolder ? kOpenFolder : kFloppyDisk);
    const Pixels greyed = Greyed(normal);
    // The states in the order a button's image list holds them: normal, hot, pressed, disabled,
    // default, stylus hot.
    GlyphList list(ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 6, 0));
    for (int state = 0; state < 6; ++state) AddImage(list.get(), state == 3 ? greyed : normal);
    return list;
}

}  // namespace vocset::win32
