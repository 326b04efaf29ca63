// The report's lines: title, count and the table of tags.
#include "decoder/CueReport.h"

#include "base/Paths.h"
#include "base/Utf8.h"

namespace vocset {

namespace {
constexpr const char* kRule = "|------|------------|------|----------------------------------------------------|";
constexpr int kCueIdDigits = 4;
constexpr int kPositionDigits = 10;
constexpr std::size_t kLabelWidth = 50;

std::string TableRow(const TCueData& point, const std::string& label, Locale& locale) {
    return "| " + ZeroPadInt(point.idCue, kCueIdDigits) + " | " + ZeroPadInt(point.PlayPos, kPositionDigits) + " | " +
           locale.FromAnsi(point.idData) + " | " + PadRightSpaces(label, kLabelWidth) + " |";
}
}  // namespace

std::string ZeroPadInt(std::int32_t value, int width) {
    const std::int64_t wide = value;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string PadRightSpaces(const std::string& text, std::size_t width) {
    const std::size_t length = Utf16Length(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

void FormatCueReport(std::vector<std::string>& lines, const TCue& cue, const std::string& fileName, const TList& list,
                     const ReportTexts& texts, Locale& locale) {
    lines.push_back(texts.title + "\"" + ExtractFileName(fileName) + "\"");
    lines.push_back(texts.count + std::to_string(cue.CueNum));
    if (cue.CueNum == 0) return;
    lines.insert(lines.end(), {kRule, texts.heading, kRule});
    for (std::size_t i = 0; i < cue.data.size(); ++i)
        lines.push_back(TableRow(cue.data[i], i < list.labl.size() ? list.labl[i].s : std::string(), locale));
    lines.push_back(kRule);
}

}  // namespace vocset
