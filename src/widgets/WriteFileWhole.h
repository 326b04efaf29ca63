// Storing a file whole or not at all, through a new file that takes the old one's place.
#pragma once

#include <functional>
#include <string>

#include "widgets/Files.h"

namespace vocset {

// `write` fills a new file beside `path`, which is closed and then moved over `path` in one step. When
// `write` returns false (not every byte stored), the new file is removed, a file named `path` is left as
// it was, and the result is false. The errors of creating the new file and of the move (CannotCreateFile
// naming `path`, also for a `path` held open or read-only), and any error of `write`, reach the caller,
// with the new file removed and the old one left as it was.
bool WriteFileWhole(FileSystem& files, const std::string& path, const std::function<bool(FileStream&)>& write);

}  // namespace vocset
