// A measurement for the Wine benchmark, not a scenario: Start on a large encrypted recording
// through the real window.
#pragma once

#include "Scenario.h"

namespace e2e {

// Decrypts and checks a recording of `megabytes` MiB in the work folder (written first unless there)
// and prints "start_to_message_ms <n>": from the click on Start to the closing message.
void TimeDecoding(const Context& context, int megabytes);

}  // namespace e2e
