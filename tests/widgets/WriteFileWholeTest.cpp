// A file stored whole or not at all: the old file replaced only after every byte was stored.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"
#include "widgets/WriteFileWhole.h"

namespace vocset {
namespace {

using Bytes = std::vector<std::uint8_t>;

class WriteFileWholeTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::PosixFileSystem files;
    const Bytes older = {1, 2, 3};
    const Bytes newer = {4, 5, 6, 7};

    void SetUp() override { testing::WriteBytes("f.bin", older); }
    bool Write(bool complete) {
        return WriteFileWhole(files, "f.bin", [&](FileStream& stream) {
            stream.Write(newer);
            return complete;
        });
    }
};

TEST_F(WriteFileWholeTest, ReplacesTheFileOnlyWhenTheWriterStoredEveryByte) {
    EXPECT_FALSE(Write(false));
    EXPECT_EQ(testing::ReadBytes("f.bin"), older);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"f.bin"});
    EXPECT_TRUE(Write(true));
    EXPECT_EQ(testing::ReadBytes("f.bin"), newer);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"f.bin"});
}

TEST_F(WriteFileWholeTest, AnErrorOfTheWriterOrOfTheMovePassesOnLeavingTheOldFile) {
    EXPECT_THROW(WriteFileWhole(files, "f.bin", [](FileStream&) -> bool { throw std::bad_alloc(); }), std::bad_alloc);
    files.failMoves = true;
    EXPECT_THROW(Write(true), PlatformError);
    EXPECT_EQ(testing::ReadBytes("f.bin"), older);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"f.bin"});
    EXPECT_EQ(files.openStreams(), 0);
}

}  // namespace
}  // namespace vocset
