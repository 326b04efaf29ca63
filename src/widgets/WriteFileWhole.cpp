// A file written beside its place and moved there only when every byte was stored.
#include "widgets/WriteFileWhole.h"

namespace vocset {

bool WriteFileWhole(FileSystem& files, const std::string& path, const std::function<bool(FileStream&)>& write) {
    std::string temporaryName;
    std::unique_ptr<FileStream> stream = files.CreateTemporaryBeside(path, temporaryName);
    try {
        const bool complete = write(*stream);
        // Closed first: a file held open cannot be moved.
        stream.reset();
        if (!complete) {
            files.Remove(temporaryName);
            return false;
        }
        files.MoveReplacing(temporaryName, path);
    } catch (...) {
        stream.reset();
        files.Remove(temporaryName);
        throw;
    }
    return true;
}

}  // namespace vocset
