// Fuzz target: the signature check, and the decryption followed by the check, over arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "MemoryFileSystem.h"
#include "base/Errors.h"
#include "decoder/Decryption.h"
#include "decoder/SignatureCheck.h"
#include "support/Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vocset;
    fuzzing::MemoryFileSystem files;
    files.files["C:\\r.xxx"].assign(data, data + size);
    testing::FakeLocale locale;
    testing::RecordingMessageBoxes messages;
    // The last byte, when there is one, says before which block Stop is pressed (255: never).
    const int stopAt = size == 0 || data[size - 1] == 255 ? -1 : data[size - 1];
    int pumps = 0;
    const BlockLoopHooks hooks{[&](PumpMode) { ++pumps; }, [&] { return stopAt >= 0 && pumps > stopAt; },
                               [](int position) {
                                   if (position < 0 || position > 100) __builtin_trap();
                               }};
    const ReportTexts texts{"title ", "count: ", "heading", "unable "};
    const SignatureCheckContext context{files, locale, messages, hooks, texts};
    try {
        DecoderState state;
        pumps = 0;
        CheckSignature(state, "C:\\r.xxx", context);
        // Named ".txt", the recording is its own report's name: the save fails with a message.
        files.files["C:\\r.txt"].assign(data, data + size);
        pumps = 0;
        CheckSignature(state, "C:\\r.txt", context);
        if (files.files["C:\\r.txt"] != files.files["C:\\r.xxx"]) __builtin_trap();

        state.Reset();
        BuildKeyTable(state);
        SeedKeyState(state, static_cast<std::uint16_t>(size > 1 ? data[0] | data[1] << 8 : 0));
        pumps = 0;
        if (DecryptRecording(state, "C:\\r.xxx", "C:\\r.wav", files, hooks))
            CheckSignature(state, "C:\\r.wav", context);
    } catch (const PlatformError&) {
        // A negative cue count.
    }
    // Every report went to its place or was removed: no temporary file is left.
    for (const auto& [name, bytes] : files.files) {
        if (name.ends_with(".tmp")) __builtin_trap();
    }
    return 0;
}
