// The closing messages of a run on the decoding page, as the variant under test words them.
#pragma once

#include <string>

#include "Scenario.h"

namespace e2e {

// After a decryption: the source and target names in quotes, the verdict, the recorder number.
std::wstring DecryptedMessage(const Context& context, const std::wstring& sourceName, const std::wstring& targetName,
                              bool validSignature);
// After the check of a WAV recording: its name, the verdict, the recorder number.
std::wstring CheckedMessage(const Context& context, const std::wstring& sourceName, bool validSignature);

}  // namespace e2e
