// Naming and writing the report file.
#include "decoder/ReportFile.h"

#include "widgets/Errors.h"
#include "widgets/Paths.h"

namespace vocset {

namespace {
constexpr std::size_t kWriteSize = 64 * 1024;
}  // namespace

std::string ReportFileName(const std::string& fileName, const std::string& extension) {
    return ChangeFileExt(fileName, "." + extension);
}

bool SaveReport(FileSystem& files, Locale& locale, const std::string& reportName,
                const std::vector<std::string>& lines) {
    std::unique_ptr<FileStream> report;
    try {
        report = files.Create(reportName);
    } catch (const PlatformError&) {
        // The only error here is the failed create, which the caller reports as a failed save.
        return false;
    }
    // Converted a line at a time and written in pieces, so that a long report is never held twice over.
    std::string pending;
    auto write = [&] {
        const bool stored = report->Write(std::span(reinterpret_cast<const std::uint8_t*>(pending.data()),
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

}  // namespace vocset
