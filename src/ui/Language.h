// One user-interface language: its texts and the few layout values that follow them.
#pragma once

#include <array>
#include <string>

#include "ui/TextId.h"

namespace vocset {

struct TextEntry {
    TextId id;
    const char* text;  // UTF-8
};

struct Language {
    std::array<TextEntry, kTextCount> entries;
    int panel5Top;    // top of the cyclic-alarm panel within "Clock settings"
    int fontCharset;  // the character set the window's font asks for

    std::string Text(TextId id) const { return entries[static_cast<std::size_t>(id)].text; }
};

// True when every entry stands at the place of its id, so a table cannot drift from the enum.
constexpr bool EntriesInOrder(const std::array<TextEntry, kTextCount>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<std::size_t>(entries[i].id) != i || entries[i].text == nullptr) return false;
    }
    return true;
}

extern const Language kEnglish;
extern const Language kRussian;

// The language this variant of the program was built with.
const Language& BuildLanguage();

}  // namespace vocset
