// How a scenario fails: an exception that carries what was expected and what was found.
#pragma once

#include <stdexcept>
#include <string>

#include "Text.h"

namespace e2e {

class ScenarioFailure : public std::runtime_error {
public:
    explicit ScenarioFailure(const std::wstring& message) : std::runtime_error(Narrow(message)) {}
};

[[noreturn]] inline void Fail(const std::wstring& message) { throw ScenarioFailure(message); }

inline void Expect(bool condition, const std::wstring& what) {
    if (!condition) Fail(what);
}

template <class Value>
void ExpectEqual(const Value& actual, const Value& expected, const std::wstring& what) {
    if (!(actual == expected)) Fail(what + L": expected " + Show(expected) + L", got " + Show(actual));
}

}  // namespace e2e
