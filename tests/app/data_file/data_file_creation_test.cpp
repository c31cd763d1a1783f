#include "app/data_file/data_file_creation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app_state.h"
#include "app/data_file/file_naming.h"
#include "temp_root.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

class DataFileCreationTest : public testing::Test {
protected:
    DataFileCreationTest() {
        Settings& s = app.settings;
        s.units = 1;
        s.sensors = 2;
        s.gps_enabled = 1;
        s.instrument_enabled = 1;
        s.survey_mode = 0;
        s.reading_interval = 0.1f;
        s.gps_x_offset = 1.5f;
        s.gps_y_offset = -0.25f;
        s.gps_sentence_type = 8;
        s.rts_trimble_units = 2;
        s.max_gps_display = 1;
        s.line_name = "Line12345X";
        s.start_station = -3.5;
        s.direction = 3;
        app.derived.working_survey_mode = 0;
        app.derived.station_increment = 0.5;
        facts.storage = platform::StorageLocation::Storage;
        facts.orientation = Orientation::Portrait;
        (void)files.create_folder(kFolder);
    }

    static constexpr const char* kFolder = "Storage\\DATAZEL601";

    test::TempRoot root;
    platform::DeviceFiles files{root.path()};
    platform::ManualClock clock{5551212, {2026, 12, 9, 14, 5, 7, 250}};
    AppState app{kGrad601Build, clock};
    RunFacts facts;
};

TEST_F(DataFileCreationTest, NewGrad601FileHoldsHeaderLineBlockAndTimeRecord) {
    const CreatedDataFile created = create_data_file(app, files, "\\Storage\\DATAZEL601\\ABCDEFGHIJKL.601", facts);
    ASSERT_EQ(created.outcome, DataFileCreation::Created);
    EXPECT_EQ(created.base_name, "ABCDEFGHIJKL");

    const fs::path path = files.host_path("Storage\\DATAZEL601\\ABCDEFGHIJKL.601");
    EXPECT_EQ(test::TempRoot::contents(path),
              "ZEL601  W327GPS1 0 2      \n"
              "HmABCDEFGHI  0.100        \n"
              "G   1.50  -0.25 32191     \n"
              "LLine1234                 \n"
              "B      -3.50              \n"
              "AE            0.500       \n"
              "Z09122026 14:05:07        \n"
              "*14:05:07.250      5551212\n");

    // Left open for appending: the next record lands at the end.
    ASSERT_TRUE(app.data_file.is_open());
    app.records.write_station_record(1.0, 7);
    EXPECT_EQ(fs::file_size(path), 9u * 27u);
}

TEST_F(DataFileCreationTest, HeaderFollowsSettingsThatChangeItsColumns) {
    app.settings.gps_enabled = 0;
    app.settings.sensors = 1;
    app.settings.survey_mode = 1;
    app.derived.working_survey_mode = 1;  // Wheel: the spacing is the Wheel increment
    app.settings.station_increment[1] = 0.25;
    app.settings.gps_sentence_type = 1;
    facts.orientation = Orientation::Landscape;
    ASSERT_EQ(create_data_file(app, files, "Storage\\DATAZEL601\\w.601", facts).outcome, DataFileCreation::Created);
    const std::string text = test::TempRoot::contents(files.host_path("Storage\\DATAZEL601\\w.601"));
    EXPECT_EQ(text.substr(0, 3 * 27),
              "ZEL601  W327GRD1 1 1      \n"
              "Hmw          0.250        \n"
              "G   1.50  -0.25 2 110     \n");
}

TEST_F(DataFileCreationTest, ExistingNameIsRefusedAndLeftUntouched) {
    const fs::path taken = files.host_path("Storage\\DATAZEL601\\120914A.601");
    test::TempRoot::touch(taken);
    const CreatedDataFile created = create_data_file(app, files, "Storage\\DATAZEL601\\120914A.601", facts);
    EXPECT_EQ(created.outcome, DataFileCreation::NameTaken);
    EXPECT_EQ(test::TempRoot::contents(taken), "x");
    EXPECT_FALSE(app.data_file.is_open());
    EXPECT_EQ(kNameTakenText, "The file already exisits. Please enter another name");
}

TEST_F(DataFileCreationTest, UncreatableFileFailsAndLeavesNoDataFile) {
    // A folder that does not exist cannot hold the file.
    const CreatedDataFile created = create_data_file(app, files, "Storage\\NOFOLDER\\a.601", facts);
    EXPECT_EQ(created.outcome, DataFileCreation::Failed);
    EXPECT_FALSE(app.data_file.is_open());
    EXPECT_FALSE(fs::exists(files.host_path("Storage\\NOFOLDER\\a.601")));
}

}  // namespace
}  // namespace zel
