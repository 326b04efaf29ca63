// Decryption of encrypted recordings: the key table, the seed, one block, and the whole file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "decoder/BlockLoopHooks.h"
#include "decoder/DecoderState.h"
#include "widgets/Files.h"

namespace vocset {

// Fills the key table with the byte table of CRC-16/CCITT (polynomial 0x1021, not reflected).
void BuildKeyTable(DecoderState& state);

// Starts the key stream at the seed taken from the password.
void SeedKeyState(DecoderState& state, std::uint16_t seed);

// Handles one block in place: block 0 gives the header, the signature block stays plain, every other
// block is XORed with the next 2048 keys. False, with nothing changed, unless length is 4096.
bool DecryptBlock(DecoderState& state, std::span<std::uint8_t> block, std::int32_t length);

// Decrypts the source into the target block by block, reading and writing a chunk of blocks at a time.
// True when the source delivers no further byte and every block was stored. False after Stop, at a last
// block shorter than 4096 bytes, which is not written, and when the target stores fewer bytes than it
// is given (a full disk): the run then ends at the first block not stored whole, and the target keeps
// what was stored. The errors of opening the source and creating the target reach the caller.
bool DecryptRecording(DecoderState& state, const std::string& source, const std::string& target, FileSystem& files,
                      const BlockLoopHooks& hooks);

}  // namespace vocset
