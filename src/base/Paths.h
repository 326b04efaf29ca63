// Operations on full file names, in which "\" and ":" are the separators.
#pragma once

#include <string>
#include <string_view>

namespace vocset {

// The text from the last "." to the end when no separator follows it, else empty.
std::string ExtractFileExt(std::string_view path);
// The text before the last separator, without it; a backslash that follows another separator
// stays, so the folder of a file in a drive's root ends in its backslash.
std::string ExtractFileDir(std::string_view path);
// The text after the last separator.
std::string ExtractFileName(std::string_view path);
// The text before the extension (the whole text when there is none), then `extension`.
std::string ChangeFileExt(std::string_view path, std::string_view extension);

}  // namespace vocset
