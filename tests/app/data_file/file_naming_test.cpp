#include "app/data_file/file_naming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_root.h"

namespace zel {
namespace {

using platform::StorageLocation;

const platform::LocalTime kDecemberNinth{2026, 12, 9, 14, 5, 0, 0};

TEST(FileNaming, DataFolderFollowsTheStorageLocation) {
    EXPECT_EQ(data_folder_path(kGrad601Build, StorageLocation::Storage), "Storage\\DATAZEL601");
    EXPECT_EQ(data_folder_path(kGrad601Build, StorageLocation::Root), "My Documents\\DATAZEL601");
    EXPECT_EQ(dialog_folder("Storage\\DATAZEL601"), "\\Storage\\DATAZEL601\\");
    EXPECT_EQ(data_folder_path(BuildConfig{.type = InstrumentType::Ice31}, StorageLocation::Root), std::nullopt);
}

TEST(FileNaming, ProposalTakesTheFirstFreeLetterOfItsExtension) {
    struct Case {
        std::vector<std::string> existing;  // in the data folder
        std::string extension;
        std::string proposal;
    };
    const std::string folder = "Storage\\DATAZEL601";
    const Case cases[] = {
        {{}, "601", "120914A"},
        {{"120914A.601"}, "601", "120914B"},
        {{"120914A.601", "120914B.601", "120914C.601"}, "601", "120914D"},
        // Letters are counted per extension, and only this hour's names count.
        {{"120914A.601", "120913A.GXY"}, "GXY", "120914A"},
        {{"120914A.GXY", "120914B.601"}, "601", "120914A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.proposal);
        test::TempRoot root;
        platform::DeviceFiles files(root.path());
        for (const std::string& name : c.existing) test::TempRoot::touch(files.host_path(folder + "\\" + name));
        EXPECT_EQ(propose_name(files, folder, c.extension, kDecemberNinth), c.proposal);
        EXPECT_TRUE(std::filesystem::is_directory(files.host_path(folder)));
    }
}

TEST(FileNaming, AllLettersTakenProposesTheFullPathOfZ) {
    test::TempRoot root;
    platform::DeviceFiles files(root.path());
    const std::string folder = "My Documents\\DATAZEL601";
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        test::TempRoot::touch(files.host_path(folder + "\\120914" + letter + ".601"));
    EXPECT_EQ(propose_name(files, folder, "601", kDecemberNinth), "My Documents\\DATAZEL601\\120914Z.601");
}

TEST(FileNaming, ProposalStemPadsMonthDayAndHour) {
    EXPECT_EQ(proposal_stem({2026, 1, 2, 3, 59, 59, 0}), "010203");
    EXPECT_EQ(proposal_stem({2026, 12, 31, 23, 0, 0, 0}), "123123");
}

TEST(FileNaming, BaseNameLiesBetweenLastSeparatorAndFirstPoint) {
    struct Case {
        std::string path;
        std::string base;
    };
    const Case cases[] = {
        {"\\Storage\\DATAZEL601\\120914A.601", "120914A"},
        {"Storage\\DATAZEL601\\a.b.601", "a"},
        {"Storage/DATAZEL601/line7.601", "line7"},
        {"ABCDEFGHIJKL.601", "ABCDEFGHIJKL"},
        {"Storage\\DATA.X\\noext", "noext"},
        // UTF-8 from the dialog: Latin-1 characters keep their byte, others become "?".
        {"Storage\\DATAZEL601\\\xC3\xA9t\xC4\x8A.601", "\xE9t?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(base_name_of(c.path), c.base);
    }
}

}  // namespace
}  // namespace zel
