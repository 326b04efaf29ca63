// Event dispatch with the default error box.
#include "widgets/Dispatcher.h"

#include <new>

#include "base/Errors.h"

namespace vocset {

void Dispatcher::Run(const std::function<void()>& event) noexcept {
    try {
        event();
    } catch (const std::bad_alloc&) {
        messages_.ShowError(ErrorBoxText("Out of memory"));
    } catch (const std::exception& error) {
        messages_.ShowError(ErrorBoxText(error.what()));
    }
}

}  // namespace vocset
