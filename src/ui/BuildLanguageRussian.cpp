// The Russian variant.
#include "ui/Language.h"

namespace vocset {
const Language& BuildLanguage() { return kRussian; }
}  // namespace vocset
