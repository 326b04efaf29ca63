// Naming and writing the report file.
#include "decoder/ReportFile.h"

#include "widgets/Errors.h"
#include "widgets/Paths.h"

namespace vocset {

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
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const std::string bytes = locale.ToAnsi(text);
    return report->Write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) == bytes.size();
}

}  // namespace vocset
