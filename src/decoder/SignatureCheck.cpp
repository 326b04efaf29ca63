// The signature check's block loop, and the report saved however it ends.
#include "decoder/SignatureCheck.h"

#include <memory>
#include <string>
#include <vector>

#include "decoder/Blocks.h"
#include "decoder/ChunkedBlocks.h"
#include "decoder/CueInfo.h"
#include "decoder/Progress.h"
#include "decoder/ReportFile.h"

namespace vocset {

namespace {
constexpr const char* kReportExtension = "txt";

// Saves the report beside the recording, which is still open, and tells when that fails.
void SaveReportOrTell(const SignatureCheckContext& context, const std::string& name,
                      const std::vector<std::string>& lines) {
    if (!SaveReport(context.files, context.locale, name, lines))
        context.messages.ShowMessage(context.texts.unableToWrite + name);
}

// The report's lines for the recording, from its tags; the file is left wherever reading stopped.
std::vector<std::string> ReportLines(FileStream& recording, const std::string& fileName,
                                     const SignatureCheckContext& context) {
    const CueInfo tags = ReadCueInfo(recording, context.locale);
    std::vector<std::string> lines;
    FormatCueReport(lines, tags.cue, fileName, tags.list, context.texts, context.locale);
    return lines;
}

bool CheckBlocks(DecoderState& state, FileStream& file, std::int64_t length, const BlockLoopHooks& hooks) {
    ChunkedBlocks blocks(file);
    state.blockIndex = 0;
    state.runningSum = 0;
    state.storedChecksum = 0;
    std::int64_t checked = 0;
    for (bool first = true;; first = false) {
        if (!MayReadNextBlock(hooks, first)) return false;
        const std::span<const std::uint8_t> block = blocks.Next();
        if (block.size() < kBlockSize) return false;
        if (VerifyBlock(state, block, static_cast<std::int32_t>(kBlockSize))) {
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
    const std::string reportName = ReportFileName(fileName, kReportExtension);
    const std::vector<std::string> lines = ReportLines(*recording, fileName, context);
    recording->Seek(0, SeekOrigin::Begin);

    // The report is saved however the loop ends, also when an error leaves it.
    bool valid = false;
    try {
        valid = CheckBlocks(state, *recording, length, context.hooks);
    } catch (...) {
        SaveReportOrTell(context, reportName, lines);
        throw;
    }
    SaveReportOrTell(context, reportName, lines);
    return valid;
}

}  // namespace vocset
