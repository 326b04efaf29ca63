// The check of a recording's digital signature, which also writes its cue-tag report.
#pragma once

#include <string>

#include "decoder/BlockLoopHooks.h"
#include "decoder/CueReport.h"
#include "decoder/DecoderState.h"
#include "widgets/Files.h"
#include "widgets/Services.h"

namespace vocset {

struct SignatureCheckContext {
    FileSystem& files;
    Locale& locale;
    MessageBoxes& messages;
    const BlockLoopHooks& hooks;
    const ReportTexts& texts;
};

// Reads the recording block by block and tells whether its stored checksum equals the sum of its
// checksummed blocks; false also after a short read, at the end of the file and after Stop. However
// the loop ends, the report is saved beside the recording, and a failed save is told in a message box.
// The recording's open error, and a negative cue count, reach the caller; no report is written then.
bool CheckSignature(DecoderState& state, const std::string& fileName, const SignatureCheckContext& context);

}  // namespace vocset
