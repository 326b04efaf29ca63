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

// Creates or empties the file and writes the lines, each followed by CR LF, in the ANSI code page with
// no byte-order mark. False when the file cannot be created or not every byte is stored.
bool SaveReport(FileSystem& files, Locale& locale, const std::string& reportName,
                const std::vector<std::string>& lines);

}  // namespace vocset
