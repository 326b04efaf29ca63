// How a scenario fails, or passes over what it cannot check here: exceptions that say why.
#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "Text.h"

namespace e2e {

class ScenarioFailure : public std::runtime_error {
public:
    explicit ScenarioFailure(const std::wstring& message) : std::runtime_error(Narrow(message)) {}
};

// Thrown by a scenario that this run gives no means to perform; it counts as neither passed nor failed.
class ScenarioSkipped : public std::runtime_error {
public:
    explicit ScenarioSkipped(const std::wstring& reason) : std::runtime_error(Narrow(reason)) {}
};

[[noreturn]] inline void Fail(const std::wstring& message) { throw ScenarioFailure(message); }

[[noreturn]] inline void Skip(const std::wstring& reason) { throw ScenarioSkipped(reason); }

inline void Expect(bool condition, const std::wstring& what) {
    if (!condition) Fail(what);
}

template <class Value>
void ExpectEqual(const Value& actual, const Value& expected, const std::wstring& what) {
    if (!(actual == expected)) Fail(what + L": expected " + Show(expected) + L", got " + Show(actual));
}

// Names the first byte that differs, or the lengths, instead of printing the bytes.
inline void ExpectSameBytes(const std::vector<std::uint8_t>& actual, const std::vector<std::uint8_t>& expected,
                            const std::wstring& what) {
    if (actual.size() != expected.size()) {
        Fail(what + L": " + std::to_wstring(actual.size()) + L" bytes, expected " + std::to_wstring(expected.size()));
    }
    const auto differ = std::mismatch(actual.begin(), actual.end(), expected.begin());
    if (differ.first != actual.end()) {
        Fail(what + L": byte " + std::to_wstring(differ.first - actual.begin()) + L" is " + Hex(*differ.first) +
             L", expected " + Hex(*differ.second));
    }
}

}  // namespace e2e
