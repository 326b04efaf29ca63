// The registry store's reads and writes, with and without an open key.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "support/Fakes.h"
#include "widgets/RegistryStore.h"

namespace vocset {
namespace {

TEST(RegistryStoreTest, ReadsAndWritesStringValues) {
    testing::MemoryRegistry registry;
    RegistryStore store(registry);
    ASSERT_TRUE(store.OpenKey("Software\\duza"));
    EXPECT_FALSE(store.ValueExists("pass"));
    store.WriteString("pass", "");
    EXPECT_TRUE(store.ValueExists("pass"));
    EXPECT_EQ(store.ReadString("pass"), "");
    registry.keys["Software\\duza"]["src"] = {false, ""};
    EXPECT_THROW(store.ReadString("src"), PlatformError);
}

TEST(RegistryStoreTest, WithoutAKeyFindsNothingAndWritesFail) {
    testing::MemoryRegistry registry;
    registry.refuseOpen = true;
    RegistryStore store(registry);
    EXPECT_FALSE(store.OpenKey("Software\\duza"));
    EXPECT_FALSE(store.ValueExists("pass"));
    EXPECT_EQ(store.ReadString("pass"), "");
    try {
        store.WriteString("dst", "C:\\");
        FAIL();
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'dst'");
    }
}

}  // namespace
}  // namespace vocset
