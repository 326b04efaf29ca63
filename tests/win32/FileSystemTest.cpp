// The Win32 file system against real files: sharing, full paths in errors, seeks, replacing moves
// and the files they refuse to replace.
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "base/Errors.h"
#include "win32/SystemError.h"
#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {
namespace {

// A fresh folder under the system's temporary folder, removed with its files afterwards.
class FileSystemTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        GetCurrentDirectoryW(MAX_PATH, startFolder);
        folder = Narrow(base) + "vocset-win32-test-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
    }
    void TearDown() override {
        SetCurrentDirectoryW(startFolder);
        for (const char* name : {"a.bin", "b.bin", "folder"}) {
            SetFileAttributesW(Widen(Path(name)).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(Widen(Path(name)).c_str());
            RemoveDirectoryW(Widen(Path(name)).c_str());
        }
        RemoveDirectoryW(Widen(folder).c_str());
    }
    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    // The action fails with an error whose text begins with `start` and carries the system's reason
    // without its line break.
    static void ExpectRefused(const std::function<void()>& action, const std::string& start) {
        try {
            action();
            ADD_FAILURE() << "not refused: " << start;
        } catch (const PlatformError& error) {
            const std::string text = error.what();
            EXPECT_EQ(text.rfind(start, 0), 0u) << text;
            EXPECT_GT(text.size(), start.size()) << text;
            EXPECT_NE(text.back(), '\n') << text;
        }
    }
    void Write(const std::string& name, std::string_view bytes) {
        auto stream = files.Create(Path(name));
        stream->Write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    }
    // The text of the error that refuses the move, or "" when it was done.
    std::string MoveRefusal(const std::string& from, const std::string& to) {
        try {
            files.MoveReplacing(Path(from), Path(to));
        } catch (const PlatformError& error) {
            return error.what();
        }
        return "";
    }
    DWORD Attributes(const std::string& name) const { return GetFileAttributesW(Widen(Path(name)).c_str()); }
    std::string Read(const std::string& name) {
        auto stream = files.OpenRead(Path(name));
        std::array<std::uint8_t, 64> buffer{};
        return {reinterpret_cast<const char*>(buffer.data()), stream->Read(buffer)};
    }

    wchar_t startFolder[MAX_PATH] = {};
    std::string folder;
    Win32FileSystem files;
};

TEST_F(FileSystemTest, AnOpenFileIsSharedWithNoOneAndTheErrorNamesItsFullPath) {
    Write("a.bin", "data");
    SetCurrentDirectoryW(Widen(folder).c_str());
    {
        auto reading = files.OpenRead("a.bin");
        ExpectRefused([&] { files.OpenRead("a.bin"); }, "Cannot open file \"" + Path("a.bin") + "\". ");
        ExpectRefused([&] { files.Create("a.bin"); }, "Cannot create file \"" + Path("a.bin") + "\". ");
    }
    {
        auto writing = files.Create("b.bin");
        ExpectRefused([&] { files.OpenRead("b.bin"); }, "Cannot open file \"" + Path("b.bin") + "\". ");
    }
    EXPECT_EQ(Read("a.bin"), "data");  // the refused create truncated nothing
}

TEST_F(FileSystemTest, CreateReplacesAndReadsReturnTheBytesMoved) {
    Write("a.bin", "a longer first text");
    Write("a.bin", "short");
    auto stream = files.OpenRead(Path("a.bin"));
    std::array<std::uint8_t, 16> buffer{};
    EXPECT_EQ(stream->Read(buffer), 5u);
    EXPECT_EQ(stream->Read(buffer), 0u);
    EXPECT_EQ(stream->Size(), 5);
}

TEST_F(FileSystemTest, ASeekBeforeTheStartFailsAndKeepsThePosition) {
    Write("a.bin", "0123456789");
    auto stream = files.OpenRead(Path("a.bin"));
    EXPECT_EQ(stream->Seek(4, SeekOrigin::Begin), 4);
    EXPECT_EQ(stream->Seek(-5, SeekOrigin::Current), -1);
    EXPECT_EQ(stream->Seek(0, SeekOrigin::Current), 4);
    EXPECT_EQ(stream->Seek(-2, SeekOrigin::End), 8);
}

TEST_F(FileSystemTest, AFolderIsNoFile) {
    CreateDirectoryW(Widen(Path("folder")).c_str(), nullptr);
    Write("a.bin", "");
    EXPECT_FALSE(files.FileExists(Path("folder")));
    EXPECT_TRUE(files.FileExists(Path("a.bin")));
    EXPECT_FALSE(files.FileExists(Path("b.bin")));
}

TEST_F(FileSystemTest, ATemporaryFileBesideTheTargetReplacesItInOneMove) {
    Write("a.bin", "old");
    std::string temporary;
    {
        auto stream = files.CreateTemporaryBeside(Path("a.bin"), temporary);
        stream->Write({reinterpret_cast<const std::uint8_t*>("new"), 3});
    }
    EXPECT_EQ(temporary.rfind(folder + "\\", 0), 0u) << temporary;
    files.MoveReplacing(temporary, Path("a.bin"));
    EXPECT_EQ(Read("a.bin"), "new");
    EXPECT_FALSE(files.FileExists(temporary));
}

// The move itself would say access denied, under Windows and Wine alike.
TEST_F(FileSystemTest, AMoveOntoAnOpenFileFailsNamingTheTarget) {
    Write("a.bin", "old");
    Write("b.bin", "new");
    auto held = files.OpenRead(Path("a.bin"));
    ExpectRefused([&] { files.MoveReplacing(Path("b.bin"), Path("a.bin")); },
                  "Cannot create file \"" + Path("a.bin") + "\". ");
    EXPECT_EQ(MoveRefusal("b.bin", "a.bin"),
              "Cannot create file \"" + Path("a.bin") + "\". " + SystemErrorText(ERROR_SHARING_VIOLATION));
    held.reset();
    EXPECT_EQ(Read("a.bin"), "old");
    EXPECT_EQ(Read("b.bin"), "new");
}

TEST_F(FileSystemTest, AMoveOntoAMissingFileMakesIt) {
    Write("b.bin", "new");
    files.MoveReplacing(Path("b.bin"), Path("a.bin"));
    EXPECT_EQ(Read("a.bin"), "new");
    EXPECT_FALSE(files.FileExists(Path("b.bin")));
}

// Windows says access denied for the move; Wine would replace the file.
TEST_F(FileSystemTest, AMoveOntoAReadOnlyFileFailsAndChangesNothing) {
    for (DWORD attributes : {DWORD{FILE_ATTRIBUTE_READONLY}, DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}}) {
        SCOPED_TRACE(attributes);
        Write("a.bin", "old");
        Write("b.bin", "new");
        ASSERT_TRUE(SetFileAttributesW(Widen(Path("a.bin")).c_str(), attributes));
        const DWORD before = Attributes("a.bin");
        ASSERT_EQ(before & attributes, attributes);
        EXPECT_EQ(MoveRefusal("b.bin", "a.bin"),
                  "Cannot create file \"" + Path("a.bin") + "\". " + SystemErrorText(ERROR_ACCESS_DENIED));
        EXPECT_EQ(Attributes("a.bin"), before);
        EXPECT_EQ(Read("a.bin"), "old");
        EXPECT_EQ(Read("b.bin"), "new");
        SetFileAttributesW(Widen(Path("a.bin")).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// The moved file would bring its own attributes. Wine shows every file as archived.
TEST_F(FileSystemTest, AReplacedFileKeepsItsAttributes) {
    for (DWORD attributes : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
                             DWORD{FILE_ATTRIBUTE_ARCHIVE}}) {
        SCOPED_TRACE(attributes);
        Write("a.bin", "old");
        ASSERT_TRUE(SetFileAttributesW(Widen(Path("a.bin")).c_str(), attributes));
        const DWORD before = Attributes("a.bin");
        ASSERT_EQ(before & attributes, attributes);
        Write("b.bin", "new");
        files.MoveReplacing(Path("b.bin"), Path("a.bin"));
        EXPECT_EQ(Read("a.bin"), "new");
        EXPECT_EQ(Attributes("a.bin"), before);
        SetFileAttributesW(Widen(Path("a.bin")).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

}  // namespace
}  // namespace vocset::win32
