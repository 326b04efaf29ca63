// For the Windows test programs: a crash must fail the run, and under Wine an unhandled one can end
// with status 0.
#pragma once

#include <windows.h>

#include <cstdio>

namespace vocset::testing {

inline LONG WINAPI CrashFilter(EXCEPTION_POINTERS* exception) {
    std::printf("crashed with exception 0x%08lX\n", exception->ExceptionRecord->ExceptionCode);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// No error boxes; an unhandled exception prints its code and ends the process with status 3.
inline void InstallCrashFilter() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(CrashFilter);
}

}  // namespace vocset::testing
