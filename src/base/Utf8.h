// UTF-8 text, the form of every text in the portable code.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vocset {

// Code points of a UTF-8 text; a malformed byte stands for itself as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
void AppendUtf8(std::string& text, char32_t codePoint);
// The length in UTF-16 code units: the length of the text as the user interface counts it.
std::size_t Utf16Length(std::string_view text);

}  // namespace vocset
