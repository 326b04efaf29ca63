// Entry point of the Win32 layer's tests: a crash fails the run instead of passing silently under Wine.
#include <gtest/gtest.h>

#include "support/CrashFilter.h"

int main(int argc, char** argv) {
    vocset::testing::InstallCrashFilter();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
