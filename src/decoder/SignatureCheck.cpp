// The signature check's block loop, and the report saved however it ends.
#include "decoder/SignatureCheck.h"

#include <array>
#include <memory>
#include <vector>

#include "decoder/Blocks.h"
#include "decoder/CueInfo.h"
#include "decoder/Progress.h"
#include "decoder/ReportFile.h"

namespace vocset {

namespace {
constexpr const char* kReportExtension = "txt";

// Saves the report when the block loop is left, by its verdict or by an error, while the recording is
// still open.
class ReportOnExit {
public:
    ReportOnExit(const SignatureCheckContext& context, std::string name, std::vector<std::string> lines)
        : context_(context), name_(std::move(name)), lines_(std::move(lines)) {}
    ReportOnExit(const ReportOnExit&) = delete;
    ReportOnExit& operator=(const ReportOnExit&) = delete;
    ~ReportOnExit() {
        if (!SaveReport(context_.files, context_.locale, name_, lines_))
            context_.messages.ShowMessage(context_.texts.unableToWrite + name_);
    }

private:
    const SignatureCheckContext& context_;
    std::string name_;
    std::vector<std::string> lines_;
};

// The report's lines for the recording, from its tags; the file is left wherever reading stopped.
std::vector<std::string> ReportLines(FileStream& recording, const std::string& fileName,
                                     const SignatureCheckContext& context) {
    const CueInfo tags = ReadCueInfo(recording, context.locale);
    std::vector<std::string> lines;
    FormatCueReport(lines, tags.cue, fileName, tags.list, context.texts, context.locale);
    return lines;
}

bool CheckBlocks(DecoderState& state, FileStream& file, std::int64_t length, const BlockLoopHooks& hooks) {
    std::array<std::uint8_t, kBlockSize> buffer;
    state.blockIndex = 0;
    state.runningSum = 0;
    state.storedChecksum = 0;
    std::int64_t checked = 0;
    for (bool first = true;; first = false) {
        if (!MayReadNextBlock(hooks, first)) return false;
        if (file.Read(buffer) < kBlockSize) return false;
        if (VerifyBlock(state, buffer, static_cast<std::int32_t>(kBlockSize))) {
            hooks.setProgress(100);
            return true;
        }
        checked += static_cast<std::int64_t>(kBlockSize);
        hooks.setProgress(ProgressPercent(checked, length));
        if (checked == length) {
            hooks.setProgress(100);
            return false;
        }
        ++state.blockIndex;
    }
}
}  // namespace

bool CheckSignature(DecoderState& state, const std::string& fileName, const SignatureCheckContext& context) {
    context.hooks.setProgress(0);
    const std::unique_ptr<FileStream> recording = context.files.OpenRead(fileName);
    const std::int64_t length = recording->Size();
    std::string reportName = ReportFileName(fileName, kReportExtension);
    std::vector<std::string> lines = ReportLines(*recording, fileName, context);
    recording->Seek(0, SeekOrigin::Begin);

    const ReportOnExit report(context, std::move(reportName), std::move(lines));
    return CheckBlocks(state, *recording, length, context.hooks);
}

}  // namespace vocset
