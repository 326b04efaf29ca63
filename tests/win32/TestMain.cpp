// Entry point of the Win32 layer's tests: a crash fails the run instead of passing silently under Wine.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace {
LONG WINAPI FailOnCrash(EXCEPTION_POINTERS* exception) {
    std::fprintf(stderr, "crash: exception 0x%08lx\n", exception->ExceptionRecord->ExceptionCode);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(FailOnCrash);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
