// The English variant.
#include "ui/Language.h"

namespace vocset {
const Language& BuildLanguage() { return kEnglish; }
}  // namespace vocset
