// The lines of the cue-tag report and its two text routines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "decoder/CueInfo.h"
#include "widgets/Services.h"

namespace vocset {

// The language's texts of the report and of its failed save.
struct ReportTexts {
    std::string title;          // before the quoted file name
    std::string count;          // before the number of tags
    std::string heading;        // the table's column headings, 81 characters
    std::string unableToWrite;  // before the report's name when it cannot be saved
};

// The value's decimal digits with zeros in front up to `width` digits, as "%.*d" writes it.
std::string ZeroPadInt(std::int32_t value, int width);

// The text with spaces after it up to `width` characters; a longer text is kept whole.
std::string PadRightSpaces(const std::string& text, std::size_t width);

// Appends the title, the count and, when there are tags, the table of cue points with their labels.
// The ids of the chunks that the points lie in are taken as text in the ANSI code page.
void FormatCueReport(std::vector<std::string>& lines, const TCue& cue, const std::string& fileName, const TList& list,
                     const ReportTexts& texts, Locale& locale);

}  // namespace vocset
