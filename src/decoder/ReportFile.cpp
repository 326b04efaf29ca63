// Naming and writing the report file.
#include "decoder/ReportFile.h"

#include "base/Errors.h"
#include "base/Paths.h"
#include "widgets/WriteFileWhole.h"

namespace vocset {

namespace {
constexpr std::size_t kWriteSize = 64 * 1024;

// Converted a line at a time and written in pieces, so that a long report is never held twice over.
// False when a piece is not stored whole.
bool WriteLines(FileStream& report, Locale& locale, const std::vector<std::string>& lines) {
    std::string pending;
    auto write = [&] {
        const bool stored = report.Write(std::span(reinterpret_cast<const std::uint8_t*>(pending.data()),
                                                   pending.size())) == pending.size();
        pending.clear();
        return stored;
    };
    for (const std::string& line : lines) {
        pending += locale.ToAnsi(line + "\r\n");
        if (pending.size() >= kWriteSize && !write()) return false;
    }
    return write();
}
}  // namespace

std::string ReportFileName(const std::string& fileName, const std::string& extension) {
    return ChangeFileExt(fileName, "." + extension);
}

bool SaveReport(FileSystem& files, Locale& locale, const std::string& reportName,
                const std::vector<std::string>& lines) {
    try {
        return WriteFileWhole(files, reportName, [&](FileStream& report) { return WriteLines(report, locale, lines); });
    } catch (const PlatformError&) {
        // The errors here are the failed create and the failed move, which the caller reports as a failed
        // save. A report named as the recording, which is held open, cannot be moved over it.
        return false;
    }
}

}  // namespace vocset
