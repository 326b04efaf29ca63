// File-name operations.
#include <gtest/gtest.h>

#include "base/Paths.h"

namespace vocset {
namespace {

struct Case {
    const char* path;
    const char* extension;
    const char* folder;
    const char* name;
};

TEST(PathsTest, SplitsFullNames) {
    const Case cases[] = {
        {"C:\\rec\\a.wav", ".wav", "C:\\rec", "a.wav"},
        {"C:\\a.XXX", ".XXX", "C:\\", "a.XXX"},
        {"D:\\rec.d\\a", "", "D:\\rec.d", "a"},
        {"D:\\rec.d\\a.b.WAV", ".WAV", "D:\\rec.d", "a.b.WAV"},
        {"\\\\server\\share\\x.ini", ".ini", "\\\\server\\share", "x.ini"},
        {"duza.ini", ".ini", "", "duza.ini"},
        {"C:a.txt", ".txt", "C", "a.txt"},
        {"C:\\dir\\", "", "C:\\dir", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFileExt(c.path), c.extension) << c.path;
        EXPECT_EQ(ExtractFileDir(c.path), c.folder) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    }
}

TEST(PathsTest, ChangesTheExtensionOfTheLastComponentOnly) {
    EXPECT_EQ(ChangeFileExt("D:\\rec.d\\a.XXX", ".wav"), "D:\\rec.d\\a.wav");
    EXPECT_EQ(ChangeFileExt("D:\\rec.d\\a", ".txt"), "D:\\rec.d\\a.txt");
    EXPECT_EQ(ChangeFileExt("a.b.c", ".d"), "a.b.d");
}

}  // namespace
}  // namespace vocset
