// File-name operations on "\" and ":" separators.
#include "base/Paths.h"

namespace vocset {

namespace {
constexpr std::string_view kSeparators = "\\:";

bool IsSeparator(char c) { return kSeparators.find(c) != std::string_view::npos; }

// Index of the extension's ".", or npos.
std::size_t ExtensionStart(std::string_view path) {
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos) return dot;
    std::size_t separator = path.find_last_of(kSeparators);
    if (separator != std::string_view::npos && separator > dot) return std::string_view::npos;
    return dot;
}
}  // namespace

std::string ExtractFileExt(std::string_view path) {
    std::size_t dot = ExtensionStart(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ExtractFileDir(std::string_view path) {
    std::size_t separator = path.find_last_of(kSeparators);
    if (separator == std::string_view::npos) return {};
    bool keepBackslash = path[separator] == '\\' && separator > 0 && IsSeparator(path[separator - 1]);
    return std::string(path.substr(0, keepBackslash ? separator + 1 : separator));
}

std::string ExtractFileName(std::string_view path) {
    std::size_t separator = path.find_last_of(kSeparators);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    std::size_t dot = ExtensionStart(path);
    std::string result(dot == std::string_view::npos ? path : path.substr(0, dot));
    result += extension;
    return result;
}

}  // namespace vocset
