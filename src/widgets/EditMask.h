// An input mask such as "!90:00:00;1; ": its places, and the editing of a text that follows it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vocset {

// A text under a mask, with the caret at selStart and the selection of selLength characters after it.
struct MaskedText {
    std::string text;
    int selStart = 0;
    int selLength = 0;
};

// The mask proper, then ";1" or ";0" (whether the literals are saved; the text here always holds
// them), then ";" and the blank character. In the mask proper "0" is a required digit, "9" an
// optional one, ":" the regional time separator, "\" makes the next character a literal, and every
// other character is a literal ("/" too: no mask here holds a date). "!" asks for optional places
// as leading blanks, which they are here anyway: every place keeps its position. The mask is ASCII,
// and every place holds one character: the text of a mask of N places is N characters long, always.
class EditMask {
public:
    enum class Kind { RequiredDigit, OptionalDigit, Literal };
    struct Place {
        Kind kind;
        char literal = 0;
    };

    EditMask() = default;
    EditMask(std::string_view mask, char timeSeparator);

    bool Empty() const { return places_.empty(); }
    int Length() const { return static_cast<int>(places_.size()); }
    const std::vector<Place>& Places() const { return places_; }

    // Every editable place blank, every literal in its place.
    std::string BlankText() const;
    // A text set from code: each editable place keeps the character at its position (counted in
    // characters, not bytes) when the place accepts it, and is blank otherwise; literals are the mask's.
    std::string Conform(std::string_view text) const;

    // A digit place takes a digit; an optional one also takes the blank. Literal places take nothing.
    bool Accepts(int position, char32_t character) const;

    // A typed character goes into the first editable place at or after the caret, when that place
    // takes it, replacing a selection; the caret then moves on to the next editable place. A
    // character no place takes, or typing at the end, changes nothing.
    void Type(MaskedText& edit, char32_t character) const;
    // Blanks the selection, or else the editable place before the caret, and puts the caret there.
    void Backspace(MaskedText& edit) const;
    // Blanks the selection, or else the editable place at or after the caret; the caret stays.
    void Delete(MaskedText& edit) const;
    // Pasted text replaces the selection and goes in as if typed from the caret, where a character
    // that its place does not take is skipped, and a literal of the mask (a separator) moves the
    // caret past the next such literal, so that "9:07:05" pasted into the blank text gives
    // "9 :07:05" and not "90:70:5 ". A paste that places nothing changes nothing.
    void Paste(MaskedText& edit, std::string_view pasted) const;
    // The selected characters, literals included; the selection is then blanked as by Delete.
    std::string Cut(MaskedText& edit) const;

private:
    bool Editable(int position) const { return places_[position].kind != Kind::Literal; }
    // The first editable place at or after `position`, Length() when there is none.
    int NextEditable(int position) const;
    void BlankSelection(MaskedText& edit) const;

    std::vector<Place> places_;
    char blank_ = '_';
};

}  // namespace vocset
