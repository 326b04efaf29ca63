// Texts of the platform's errors, English in both language variants.
#include "base/Errors.h"

namespace vocset {

namespace {
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}
}  // namespace

PlatformError CannotOpenFile(std::string_view fullPath, std::string_view reason) {
    return PlatformError(Join({"Cannot open file \"", fullPath, "\". ", reason}));
}

PlatformError CannotCreateFile(std::string_view fullPath, std::string_view reason) {
    return PlatformError(Join({"Cannot create file \"", fullPath, "\". ", reason}));
}

PlatformError NotAValidInteger(std::string_view text) {
    return PlatformError(Join({"''", text, "'' is not a valid integer value"}));
}

PlatformError FailedToSetData(std::string_view valueName) {
    return PlatformError(Join({"Failed to set data for '", valueName, "'"}));
}

PlatformError InvalidDataType(std::string_view valueName) {
    return PlatformError(Join({"Invalid data type for '", valueName, "'"}));
}

PlatformError RangeCheckError() { return PlatformError("Range check error"); }

PlatformError NotAValidDateTime(std::string_view text) {
    return PlatformError(Join({"''", text, "'' is not a valid date and time"}));
}

PlatformError FailedToSetCalendarDate() { return PlatformError("Failed to set calendar date or time"); }

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

}  // namespace vocset
