// Errors the platform raises, carrying the exact texts the user sees, and the default error box's text rule.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vocset {

// A failure of the platform or run-time that ends the current handler and reaches the default error box.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

PlatformError CannotOpenFile(std::string_view fullPath, std::string_view reason);
PlatformError CannotCreateFile(std::string_view fullPath, std::string_view reason);
PlatformError NotAValidInteger(std::string_view text);
PlatformError FailedToSetData(std::string_view valueName);
PlatformError InvalidDataType(std::string_view valueName);
PlatformError RangeCheckError();
PlatformError NotAValidDateTime(std::string_view text);
PlatformError FailedToSetCalendarDate();

// The default error box shows the error's text with "." appended, unless the text is empty or its
// last character is a full stop or a character of lower code.
std::string ErrorBoxText(std::string_view message);

}  // namespace vocset
