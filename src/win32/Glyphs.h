// The 16 x 16 button pictures: an open folder and a floppy disk.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>

#include "ui/Layout.h"

namespace vocset::win32 {

struct GlyphListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using GlyphList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, GlyphListDeleter>;

// One image per button state, the disabled one greyed; empty for Glyph::None.
GlyphList CreateGlyphList(Glyph glyph);

}  // namespace vocset::win32
