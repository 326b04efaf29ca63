// The recordings that the scenarios give the program, and the report it must write of their tags.
#pragma once

#include <cstdint>
#include <string>

#include "Scenario.h"
#include "support/Recording.h"

namespace e2e {

using vocset::testing::Bytes;

// The recorder number of every recording made here, and how the program's messages show it.
constexpr std::uint32_t kRecorderHigh = 0x0000ABCD;
constexpr std::uint32_t kRecorderLow = 0xEF012345;
constexpr wchar_t kRecorderNumberText[] = L"0000ABCDEF012345";

// The password that the encrypted recordings take, as typed, and the key seed it gives.
constexpr wchar_t kPassword[] = L"4711";
constexpr std::uint16_t kPasswordSeed = 4711;

// A plain WAV recording of a few blocks with two cue tags, its signature valid or not.
Bytes TaggedRecording(bool validSignature);
// A plain WAV recording of `blocks` blocks, the last of them the valid signature, with no tags.
Bytes LongRecording(std::size_t blocks);
// The recording as the recorder encrypts it with kPassword.
Bytes Encrypted(Bytes plain);
// Writes a recording of `size` bytes: a header block for that size, then zeros that take no room.
void WriteHollowRecording(const std::wstring& path, std::uint64_t size);

// Fails unless `reportPath` holds the report of TaggedRecording's tags, titled with `recordingName`.
void ExpectTagReport(const Context& context, const std::wstring& reportPath, const std::wstring& recordingName);

}  // namespace e2e
