#include "platform/files/storage_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace zel::platform {
namespace {

namespace fs = std::filesystem;

class StorageLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-storage-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_base = pattern;
    }
    void TearDown() override { fs::remove_all(m_base); }

    fs::path m_base;
};

TEST_F(StorageLocationTest, WithoutStorageTheRootIsTheLocationAndNothingIsLeftBehind) {
    DeviceFiles files(m_base / "fresh" / "root");  // the root does not exist yet
    EXPECT_EQ(decide_storage_location(files), StorageLocation::Root);
    EXPECT_TRUE(fs::is_directory(files.root()));
    EXPECT_FALSE(fs::exists(files.root() / "Storage"));
    EXPECT_EQ(decide_storage_location(files), StorageLocation::Root);
}

TEST_F(StorageLocationTest, AnExistingStorageFolderIsTheLocationAndIsKept) {
    DeviceFiles files(m_base);
    fs::create_directories(m_base / "Storage" / "BRUINI");
    EXPECT_EQ(decide_storage_location(files), StorageLocation::Storage);
    EXPECT_TRUE(fs::is_directory(m_base / "Storage" / "BRUINI"));

    // Even an empty one: it existed before the decision.
    fs::remove(m_base / "Storage" / "BRUINI");
    EXPECT_EQ(decide_storage_location(files), StorageLocation::Storage);
    EXPECT_TRUE(fs::is_directory(m_base / "Storage"));
}

}  // namespace
}  // namespace zel::platform
