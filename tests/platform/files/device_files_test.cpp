#include "platform/files/device_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace zel::platform {
namespace {

namespace fs = std::filesystem;

class DeviceFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override { fs::remove_all(m_root); }

    void put(const fs::path& relative, const std::string& bytes) {
        fs::create_directories((m_root / relative).parent_path());
        std::ofstream(m_root / relative, std::ios::binary) << bytes;
    }
    std::string slurp(const fs::path& relative) {
        std::ifstream in(m_root / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_root;
};

TEST_F(DeviceFilesTest, MapsSystemPathsBelowTheRoot) {
    DeviceFiles files("/dev-root");
    const std::pair<const char*, const char*> cases[] = {
        {"Storage\\BRUINI\\Z601CX.INI", "/dev-root/Storage/BRUINI/Z601CX.INI"},
        {"\\BRUINI", "/dev-root/BRUINI"},
        {"My Documents\\DATAZEL601\\120914A.601", "/dev-root/My Documents/DATAZEL601/120914A.601"},
        {"..\\..\\etc\\passwd", "/dev-root/etc/passwd"},
        {"Storage\\.\\\\a/../b", "/dev-root/Storage/a/b"},
        {"", "/dev-root"},
    };
    for (const auto& [system, host] : cases) {
        SCOPED_TRACE(system);
        EXPECT_EQ(files.host_path(system), fs::path(host));
    }
}

TEST_F(DeviceFilesTest, CreatesFoldersWithTheirParentsAndTellsWhetherTheyExisted) {
    DeviceFiles files(m_root);
    EXPECT_EQ(files.create_folder("My Documents\\DATAZEL601"), FolderCreation::Created);
    EXPECT_TRUE(fs::is_directory(m_root / "My Documents" / "DATAZEL601"));
    EXPECT_EQ(files.create_folder("My Documents\\DATAZEL601"), FolderCreation::Exists);
    put("Storage", "a file where a folder should be");
    EXPECT_EQ(files.create_folder("Storage"), FolderCreation::Failed);
    EXPECT_EQ(files.create_folder("Storage\\BRUINI"), FolderCreation::Failed);
}

TEST_F(DeviceFilesTest, RemovesOnlyEmptyFoldersAndDeletesOnlyFiles) {
    DeviceFiles files(m_root);
    put("full/x.txt", "x");
    fs::create_directory(m_root / "empty");
    EXPECT_FALSE(files.remove_folder("full"));
    EXPECT_TRUE(files.remove_folder("empty"));
    EXPECT_FALSE(fs::exists(m_root / "empty"));

    EXPECT_TRUE(files.file_exists("full\\x.txt"));
    EXPECT_FALSE(files.file_exists("full"));
    EXPECT_FALSE(files.delete_file("full"));
    EXPECT_TRUE(files.delete_file("full\\x.txt"));
    EXPECT_FALSE(files.file_exists("full\\x.txt"));
    EXPECT_FALSE(files.delete_file("full\\x.txt"));
}

TEST_F(DeviceFilesTest, ReadsWholeSmallFilesAndSaysHowTheReadEnded) {
    DeviceFiles files(m_root);
    put("a.ini", std::string("ab\0\xff\r\n", 6));
    FileContents whole = files.read_file("a.ini", 6);
    EXPECT_EQ(whole.outcome, ReadOutcome::Complete);
    EXPECT_EQ(std::string(whole.bytes.begin(), whole.bytes.end()), std::string("ab\0\xff\r\n", 6));

    FileContents cut = files.read_file("a.ini", 4);
    EXPECT_EQ(cut.outcome, ReadOutcome::TooLarge);
    EXPECT_EQ(std::string(cut.bytes.begin(), cut.bytes.end()), std::string("ab\0\xff", 4));

    EXPECT_EQ(files.read_file("missing.ini", 100).outcome, ReadOutcome::CannotOpen);

    // A directory opens but cannot be read: the read error of a file that exists.
    fs::create_directory(m_root / "dir.ini");
    FileContents error = files.read_file("dir.ini", 100);
    EXPECT_EQ(error.outcome, ReadOutcome::ReadError);
    EXPECT_TRUE(error.bytes.empty());
}

TEST_F(DeviceFilesTest, WriteReplacesTheWholeFileAndLeavesNoTemporary) {
    DeviceFiles files(m_root);
    put("BRUINI/Z.INI", "old contents that are longer");
    std::string fresh = "new\r\n";
    EXPECT_TRUE(files.write_file("BRUINI\\Z.INI", fresh));
    EXPECT_EQ(slurp("BRUINI/Z.INI"), fresh);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root / "BRUINI"), fs::directory_iterator()), 1);

    EXPECT_FALSE(files.write_file("NOFOLDER\\Z.INI", fresh));
    EXPECT_FALSE(fs::exists(m_root / "NOFOLDER"));
}

}  // namespace
}  // namespace zel::platform
