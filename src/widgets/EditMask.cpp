// Parsing of an input mask and the editing rules of a text under it.
#include "widgets/EditMask.h"

#include <algorithm>

#include "base/Utf8.h"

namespace vocset {

EditMask::EditMask(std::string_view mask, char timeSeparator) {
    std::size_t at = 0;
    for (; at < mask.size() && mask[at] != ';'; ++at) {
        const char character = mask[at];
        if (character == '\\' && at + 1 < mask.size()) {
            places_.push_back({Kind::Literal, mask[++at]});
            continue;
        }
        switch (character) {
        case '!': break;
        case '0': places_.push_back({Kind::RequiredDigit}); break;
        case '9': places_.push_back({Kind::OptionalDigit}); break;
        case ':': places_.push_back({Kind::Literal, timeSeparator}); break;
        default: places_.push_back({Kind::Literal, character}); break;
        }
    }
    // The saved-literals field lies between the two semicolons; the blank follows the second.
    const std::size_t blankField = at < mask.size() ? mask.find(';', at + 1) : std::string_view::npos;
    if (blankField != std::string_view::npos && blankField + 1 < mask.size()) blank_ = mask[blankField + 1];
}

std::string EditMask::BlankText() const { return Conform({}); }

std::string EditMask::Conform(std::string_view text) const {
    const std::u32string characters = DecodeUtf8(text);
    std::string conformed;
    for (int position = 0; position < Length(); ++position) {
        const Place& place = places_[position];
        if (place.kind == Kind::Literal) {
            conformed += place.literal;
            continue;
        }
        const bool given = position < static_cast<int>(characters.size()) && Accepts(position, characters[position]);
        conformed += given ? static_cast<char>(characters[position]) : blank_;
    }
    return conformed;
}

bool EditMask::Accepts(int position, char32_t character) const {
    const bool digit = character >= '0' && character <= '9';
    switch (places_[position].kind) {
    case Kind::OptionalDigit: return digit || character == static_cast<unsigned char>(blank_);
    case Kind::RequiredDigit: return digit;
    case Kind::Literal: return false;
    }
    return false;
}

int EditMask::NextEditable(int position) const {
    while (position < Length() && !Editable(position)) ++position;
    return position;
}

void EditMask::BlankSelection(MaskedText& edit) const {
    const int end = std::min(edit.selStart + edit.selLength, Length());
    for (int position = edit.selStart; position < end; ++position) {
        if (Editable(position)) edit.text[position] = blank_;
    }
    edit.selLength = 0;
}

void EditMask::Type(MaskedText& edit, char32_t character) const {
    const int place = NextEditable(edit.selStart);
    if (place == Length() || !Accepts(place, character)) return;
    BlankSelection(edit);
    edit.text[place] = static_cast<char>(character);
    edit.selStart = NextEditable(place + 1);
}

void EditMask::Backspace(MaskedText& edit) const {
    if (edit.selLength > 0) {
        BlankSelection(edit);
        return;
    }
    int place = edit.selStart - 1;
    while (place >= 0 && !Editable(place)) --place;
    if (place < 0) return;
    edit.text[place] = blank_;
    edit.selStart = place;
}

void EditMask::Delete(MaskedText& edit) const {
    if (edit.selLength > 0) {
        BlankSelection(edit);
        return;
    }
    const int place = NextEditable(edit.selStart);
    if (place < Length()) edit.text[place] = blank_;
}

void EditMask::Paste(MaskedText& edit, std::string_view pasted) const {
    MaskedText result = edit;
    BlankSelection(result);
    int position = result.selStart;
    bool placedAny = false;
    for (char32_t character : DecodeUtf8(pasted)) {
        const int place = NextEditable(position);
        if (place < Length() && Accepts(place, character)) {
            result.text[place] = static_cast<char>(character);
            position = place + 1;
            placedAny = true;
            continue;
        }
        for (int literal = position; literal < Length(); ++literal) {
            if (!Editable(literal) && static_cast<unsigned char>(places_[literal].literal) == character) {
                position = literal + 1;
                break;
            }
        }
    }
    if (!placedAny) return;
    result.selStart = NextEditable(position);
    edit = result;
}

std::string EditMask::Cut(MaskedText& edit) const {
    const int start = std::min(edit.selStart, Length());
    const int end = std::min(edit.selStart + edit.selLength, Length());
    std::string cut = edit.text.substr(start, end - start);
    BlankSelection(edit);
    return cut;
}

}  // namespace vocset
