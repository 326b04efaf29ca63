// The cue-tag report's file: its name beside the recording and its saving.
#pragma once

#include <string>
#include <vector>

#include "widgets/Files.h"
#include "widgets/Services.h"

namespace vocset {

// The recording's name with its extension, in whatever case, replaced by "." and `extension`; a name
// without one gets them appended.
std::string ReportFileName(const std::string& fileName, const std::string& extension);

// Writes the lines, each followed by CR LF, in the ANSI code page with no byte-order mark, to a new file
// beside the report's name, which then replaces a report of that name; a save that fails leaves no new
// file and an older report as it was. False when the new file cannot be created, not every byte is
// stored, or the move fails: a file of the report's name that is held open (the recording itself when
// it is named so) or read-only is not replaced.
bool SaveReport(FileSystem& files, Locale& locale, const std::string& reportName,
                const std::vector<std::string>& lines);

}  // namespace vocset
