// Waiting for a condition that another process brings about, with a deadline instead of a pause.
#pragma once

#include <windows.h>

#include <string>

#include "Check.h"

namespace e2e {

// Long enough for a first start of Wine on a loaded machine; a healthy step takes milliseconds.
constexpr DWORD kPatienceMs = 30000;

// Polls `condition` until it yields a true value and returns that value; fails after `timeoutMs`.
template <class Condition>
auto WaitFor(const std::wstring& what, Condition condition, DWORD timeoutMs = kPatienceMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (auto result = condition()) return result;
        if (GetTickCount64() >= deadline) {
            Fail(L"gave up after " + std::to_wstring(timeoutMs / 1000) + L" s waiting for " + what);
        }
        Sleep(10);
    }
}

// For what must not happen, such as a stopped clock moving on: polls `condition` for `durationMs`
// and fails as soon as it is false.
template <class Condition>
void ExpectSteady(const std::wstring& what, Condition condition, DWORD durationMs) {
    const ULONGLONG deadline = GetTickCount64() + durationMs;
    do {
        if (!condition()) Fail(what + L" changed within " + std::to_wstring(durationMs) + L" ms");
        Sleep(10);
    } while (GetTickCount64() < deadline);
}

}  // namespace e2e
