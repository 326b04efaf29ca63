// The recordings that the scenarios give the program, and the report it must write of their tags.
#include "Recordings.h"

#include <span>
#include <vector>

#include "Check.h"
#include "Folder.h"
#include "decoder/Blocks.h"
#include "decoder/Decryption.h"
#include "decoder/RecordingBuilder.h"

namespace e2e {

namespace {

using vocset::kBlockSize;
using vocset::testing::BlockRecording;
using vocset::testing::MakeBlockRecording;
using vocset::testing::Tag;

const std::vector<Tag> kTags = {
    {.id = 1, .position = 4410, .label = "first words"},
    {.id = 2, .position = 9000, .label = "door bell"},
};

// Blocks 0 to blocks - 2 are summed; the last block holds the sum.
BlockRecording Layout(std::size_t blocks) {
    return {.size = blocks * kBlockSize,
            .riffSize = static_cast<std::uint32_t>((blocks - 1) * kBlockSize - 8),
            .recorderHigh = kRecorderHigh,
            .recorderLow = kRecorderLow};
}

}  // namespace

Bytes TaggedRecording(bool validSignature) {
    BlockRecording layout = Layout(5);
    layout.validChecksum = validSignature;
    layout.head = vocset::testing::TaggedHead(kTags);
    return MakeBlockRecording(layout);
}

Bytes LongRecording(std::size_t blocks) { return MakeBlockRecording(Layout(blocks)); }

Bytes Encrypted(Bytes plain) {
    vocset::DecoderState state;
    vocset::BuildKeyTable(state);
    vocset::SeedKeyState(state, kPasswordSeed);
    for (std::size_t at = 0; at + kBlockSize <= plain.size(); at += kBlockSize, ++state.blockIndex)
        vocset::DecryptBlock(state, std::span(plain).subspan(at, kBlockSize), static_cast<std::int32_t>(kBlockSize));
    return plain;
}

void WriteHollowRecording(const std::wstring& path, std::uint64_t size) {
    BlockRecording header = Layout(static_cast<std::size_t>(size / kBlockSize));
    header.size = kBlockSize;
    WriteFileBytes(path, MakeBlockRecording(header));
    ResizeFile(path, size);
}

void ExpectTagReport(const Context& context, const std::wstring& reportPath, const std::wstring& recordingName) {
    const std::wstring report = FromAnsi(ReadFileBytes(reportPath));
    const std::wstring head = context.Text(vocset::TextId::ReportTitle) + L"\"" + recordingName + L"\"\r\n" +
                              context.Text(vocset::TextId::ReportCount) + std::to_wstring(kTags.size()) + L"\r\n";
    Expect(report.starts_with(head),
           L"report " + Show(reportPath) + L" does not begin with " + Show(head) + L": it holds " + Show(report));
    for (const Tag& tag : kTags) {
        Expect(report.find(Widen(tag.label)) != std::wstring::npos,
               L"report " + Show(reportPath) + L" lacks the tag " + Show(Widen(tag.label)));
    }
    Expect(report.ends_with(L"|\r\n"), L"report " + Show(reportPath) + L" does not end with its table");
}

}  // namespace e2e
