#include "app/settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace zel {
namespace {

namespace fs = std::filesystem;
using platform::DeviceFiles;
using platform::StorageLocation;

// The GRAD601 settings file with every value at its default, one entry per line as the settings
// table lists them.
const std::vector<std::string> kGrad601DefaultLines = {
    "Ver3.27",
    "1", "2", "0", "0", "0", "1", "0", "1",                                      // 2-9
    "1", "1", "1", "1", "1", "1", "1", "1",                                      // 10-17 shown
    "2", "3", "4", "1", "2", "4", "3", "1",                                      // 18-25 thickness
    "16711680", "65280", "255", "16711935", "16776960", "65535", "32896", "8421376",  // 26-33
    "0", "0.000000", "2000.000000",                                              // 34-36
    "1", "1", "1", "1", "1", "0", "0", "0",                                      // 37-44 GPS
    "0.000000", "10.000000", "0",                                                // 45-47 speed, mode
    "1.000000", "0.200000", "2.000000", "0.200000",                              // 48-51
    "0", "1.000000", "0", "1", "0.000000", "0",                                  // 52-57
    "5", "4", "3", "16711680", "255", "65280",                                   // 58-63 map symbols
    "1", "0", "0", "1.500000", "10", "1",                                        // 64-69
    "1", "1", "5", "4.000000", "0.000000", "0.000000",                           // 70-75 GPS quality
    "1", "0", "0",                                                               // 76-78
};

std::string crlf_join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        fs::create_directories(m_root / "Storage");
        m_files = DeviceFiles(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path ini() const { return m_root / "Storage" / "BRUINI" / "Z601CX.INI"; }
    void put(const std::string& bytes) {
        fs::create_directories(ini().parent_path());
        std::ofstream(ini(), std::ios::binary) << bytes;
    }
    std::string slurp(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Loads a GRAD601 file whose line n (1-based, as numbered in the settings table) is replaced.
    LoadOutcome load_with_line(std::size_t n, const std::string& text, Settings& settings) {
        std::vector<std::string> lines = kGrad601DefaultLines;
        lines.at(n - 1) = text;
        put(crlf_join(lines));
        settings = default_settings(kGrad601Build);
        return grad601().load(settings);
    }
    SettingsFile grad601() { return SettingsFile(kGrad601Build, m_files, StorageLocation::Storage); }

    fs::path m_root;
    DeviceFiles m_files{""};
};

TEST_F(SettingsFileTest, WithoutAFileTheGrad601BuildWritesItsDefaultsByteForByte) {
    Settings settings = default_settings(kGrad601Build);
    EXPECT_EQ(grad601().path(), "Storage\\BRUINI\\Z601CX.INI");
    EXPECT_EQ(grad601().load(settings), LoadOutcome::CreatedDefaults);
    ASSERT_EQ(kGrad601DefaultLines.size(), 78u);
    EXPECT_EQ(slurp(ini()), crlf_join(kGrad601DefaultLines));
    EXPECT_EQ(settings, default_settings(kGrad601Build));

    // The file written is read back without complaint.
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Loaded);
    EXPECT_EQ(settings, default_settings(kGrad601Build));
}

TEST_F(SettingsFileTest, AtTheRootLocationTheFolderIsBruiniAtTheRoot) {
    SettingsFile file(kGrad601Build, m_files, StorageLocation::Root);
    EXPECT_EQ(file.path(), "\\BRUINI\\Z601CX.INI");
    Settings settings = default_settings(kGrad601Build);
    EXPECT_EQ(file.load(settings), LoadOutcome::CreatedDefaults);
    EXPECT_TRUE(fs::is_regular_file(m_root / "BRUINI" / "Z601CX.INI"));
}

TEST_F(SettingsFileTest, EveryModeCreatesTheFolderAndDeleteRemovesTheFile) {
    EXPECT_FALSE(grad601().remove());
    EXPECT_TRUE(fs::is_directory(ini().parent_path()));
    fs::remove(ini().parent_path());
    EXPECT_TRUE(grad601().save(default_settings(kGrad601Build)));
    EXPECT_TRUE(fs::is_regular_file(ini()));
    EXPECT_TRUE(grad601().remove());
    EXPECT_FALSE(fs::exists(ini()));
    EXPECT_TRUE(fs::is_directory(ini().parent_path()));
}

TEST_F(SettingsFileTest, AnotherVersionIsReplacedSilentlyByTheValuesInMemory) {
    const char* others[] = {"Ver3.24", "Ver3.27 ", "ver3.27", "", "\x01\xff\xfe garbage"};
    for (const char* first : others) {
        SCOPED_TRACE(first);
        std::vector<std::string> lines = kGrad601DefaultLines;
        lines[0] = first;
        lines[3] = "2";  // units: must not be taken from a file of another version
        put(crlf_join(lines));
        Settings settings = default_settings(kGrad601Build);
        EXPECT_EQ(grad601().load(settings), LoadOutcome::ReplacedOtherVersion);
        EXPECT_EQ(settings, default_settings(kGrad601Build));
        EXPECT_EQ(slurp(ini()), crlf_join(kGrad601DefaultLines));
    }
    put("");
    Settings settings = default_settings(kGrad601Build);
    EXPECT_EQ(grad601().load(settings), LoadOutcome::ReplacedOtherVersion);
    EXPECT_EQ(slurp(ini()), crlf_join(kGrad601DefaultLines));
}

TEST_F(SettingsFileTest, FailedChecksAndUnreadableLinesMakeTheFileCorrupted) {
    struct Case {
        std::size_t line;
        std::string text;
    };
    const Case cases[] = {
        {18, "6"},             // thickness of channel 1
        {18, "0"},
        {2, "2"},              // instrument enabled
        {36, "0.000000"},      // profile maximum equal to the minimum
        {36, "-1.000000"},
        {46, "0.000000"},      // max speed not above the (discarded) minimum
        {38, "9"},             // GPS sentence type
        {58, "6"},             // current symbol size
        {4, "abc"},            // garbage where a number belongs
        {4, "1x"},
        {4, " 1"},
        {4, "99999999999"},    // beyond 32 bits
        {26, "\x80\x81\xff"},  // binary bytes
        {35, "1.0.0"},
        {52, "a name of twenty-four ch"},  // a line name longer than any the system writes
        {60, std::string(1000, '9')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << " \"" << c.text.substr(0, 30) << "\"");
        Settings settings;
        EXPECT_EQ(load_with_line(c.line, c.text, settings), LoadOutcome::Corrupted);
        // The file stays for the start-up to report and delete.
        EXPECT_TRUE(fs::exists(ini()));
    }
}

TEST_F(SettingsFileTest, ReadingStopsAtTheFirstFailureKeepingTheValuesBeforeIt) {
    std::vector<std::string> lines = kGrad601DefaultLines;
    lines[3] = "2";         // line 4 units
    lines[16] = "0";        // line 17: channel 8 hidden
    lines[17] = "6";        // line 18 fails
    lines[18] = "5";        // line 19 would be valid but is never read
    lines[51] = "LATE";     // line 52
    put(crlf_join(lines));
    Settings settings = default_settings(kGrad601Build);
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Corrupted);
    EXPECT_EQ(settings.units, 2);
    EXPECT_EQ(settings.channel_shown[7], 0);
    EXPECT_EQ(settings.channel_thickness[1], 3);
    EXPECT_EQ(settings.line_name, "0");
}

TEST_F(SettingsFileTest, AFileCutShortIsCorruptedButAnUnterminatedLastLineReadsAsZero) {
    std::string whole = crlf_join(kGrad601DefaultLines);
    Settings settings = default_settings(kGrad601Build);

    std::vector<std::string> first70(kGrad601DefaultLines.begin(), kGrad601DefaultLines.begin() + 70);
    put(crlf_join(first70));
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Corrupted);

    std::vector<std::string> lines = kGrad601DefaultLines;
    lines[77] = "2";  // RTS Trimble units
    std::string text = crlf_join(lines);
    text.resize(text.size() - 2);
    put(text);
    settings = default_settings(kGrad601Build);
    settings.rts_trimble_units = 1;
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Loaded);
    EXPECT_EQ(settings.rts_trimble_units, 0);

    // The same for a last line cut with its carriage return.
    put(text + "\r");
    settings.rts_trimble_units = 1;
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Loaded);
    EXPECT_EQ(settings.rts_trimble_units, 0);
}

TEST_F(SettingsFileTest, LinesWithoutChecksLoadAsWritten) {
    struct Case {
        std::size_t line;
        std::string text;
        bool (*holds)(const Settings&);
    };
    const Case cases[] = {
        {45, "123.500000", [](const Settings& s) { return s.speed_min == 0.0f; }},
        {45, "-7", [](const Settings& s) { return s.speed_min == 0.0f; }},
        {38, "8", [](const Settings& s) { return s.gps_sentence_type == 8; }},
        {36, "0.000001", [](const Settings& s) { return s.profile_max == 0.000001f; }},
        {46, "0.000001", [](const Settings& s) { return s.speed_max == 0.000001f; }},
        {26, "-1", [](const Settings& s) { return s.channel_colour[0] == -1; }},
        {44, "", [](const Settings& s) { return s.max_gps_display == 0; }},  // an empty line is 0
        {52, "", [](const Settings& s) { return s.line_name.empty(); }},
        {52, std::string("AB\0CD", 5), [](const Settings& s) { return s.line_name == "AB"; }},
        {56, "-12.250000", [](const Settings& s) { return s.start_station == -12.25; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << " \"" << c.text << "\"");
        Settings settings;
        EXPECT_EQ(load_with_line(c.line, c.text, settings), LoadOutcome::Loaded);
        EXPECT_TRUE(c.holds(settings));
    }
}

TEST_F(SettingsFileTest, ALineNameOfTwentyThreeCharactersSurvivesSaveAndLoad) {
    Settings settings = default_settings(kGrad601Build);
    settings.line_name = "Line 23 chars exactly!!";
    ASSERT_EQ(settings.line_name.size(), 23u);
    EXPECT_TRUE(grad601().save(settings));
    Settings loaded = default_settings(kGrad601Build);
    EXPECT_EQ(grad601().load(loaded), LoadOutcome::Loaded);
    EXPECT_EQ(loaded.line_name, settings.line_name);

    // A name that would break the file's lines is cut where it would.
    settings.line_name = "A\r\nB";
    EXPECT_TRUE(grad601().save(settings));
    EXPECT_EQ(grad601().load(loaded), LoadOutcome::Loaded);
    EXPECT_EQ(loaded.line_name, "A");
}

TEST_F(SettingsFileTest, BytesBeyondTheLastLineAreNotRead) {
    std::string text = crlf_join(kGrad601DefaultLines) + std::string(100 * 1024, '\xff');
    put(text);
    Settings settings = default_settings(kGrad601Build);
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Loaded);
}

TEST_F(SettingsFileTest, AnUnreadableFileIsCorrupted) {
    fs::create_directories(ini());  // opens, but every read fails
    Settings settings = default_settings(kGrad601Build);
    EXPECT_EQ(grad601().load(settings), LoadOutcome::Corrupted);
    EXPECT_EQ(settings, default_settings(kGrad601Build));
}

TEST_F(SettingsFileTest, TypesWithoutASettingsFileNeitherReadNorWrite) {
    for (InstrumentType type : {InstrumentType::Em34_3, InstrumentType::Type5, InstrumentType::Ice31}) {
        SCOPED_TRACE(type_number(type));
        BuildConfig build{.type = type};
        SettingsFile file(build, m_files, StorageLocation::Storage);
        Settings settings = default_settings(build);
        EXPECT_EQ(file.load(settings), LoadOutcome::NoSettingsFile);
        EXPECT_FALSE(file.save(settings));
        EXPECT_FALSE(file.remove());
        EXPECT_TRUE(fs::is_empty(m_root / "Storage"));
    }
}

// Every setting moved off its default to a value that each line format writes exactly.
Settings changed_settings(const BuildConfig& build) {
    Settings s = default_settings(build);
    s.instrument_enabled = 0;
    s.sensors = 3;
    s.em31_type = 1;
    s.em61mk2_type = 4;
    s.f3_decimation = 5;
    s.units = 2;
    s.speed_units = 3;
    s.instrument_port = 17;
    s.g823_baud_index = 9;
    s.audio = 0;
    s.pause_key = 3;
    s.soft_keyboard = 0;
    s.channel_shown = {0, 1, 0, 1, 0, 1, 0, 1};
    s.channel_thickness = {5, 4, 3, 2, 1, 5, 4, 3};
    s.channel_colour = {1, -2, 3, 0x00FFFFFF, 5, 6, 7, -2147483647 - 1};
    s.profile_amplitude = 1;
    s.profile_min = -12.5f;
    s.profile_max = 123456.75f;
    s.profile2_min = -3.25f;
    s.profile2_max = 99.5f;
    s.gps_enabled = 0;
    s.gps_sentence_type = 8;
    s.gps_port = 16;
    s.gps_baud_index = 5;
    s.gps_data_bits = 0;
    s.gps_parity = 2;
    s.gps_stop_bits = 1;
    s.max_gps_display = 1;
    s.speed_max = 2.5f;
    s.survey_mode = 2;
    s.em_mode = 3;
    s.dipole_mode = 1;
    s.manual_samples = 100;
    s.em38mk2_type = 1;
    s.em38mk2_calibration = {0.5f, 1.5f, 2.5f, 3.5f, 4.5f, 5.5f};
    s.station_increment = {0.125, 1e6, -2.5};
    s.reading_interval = 0.5f;
    s.line_name = "N-17 \xe9st";
    s.line_increment = 2.75;
    s.sequence = 1;
    s.direction = 3;
    s.start_station = 1234567.875;
    s.coordinates = 3;
    s.map_symbol_size = {0, 1, 2};
    s.map_colour = {42, 43, 44};
    s.ascii_north_column = 9;
    s.ascii_east_column = 8;
    s.ascii_delimiter = 3;
    s.grid_interval = -1.0f;
    s.map_scale = 250000;
    s.map_scroll_margin = 7;
    s.gps_warning = 0;
    s.gps_min_quality = 8;
    s.min_satellites = 12;
    s.max_pdop = 2.5f;
    s.gps_x_offset = -0.75f;
    s.gps_y_offset = 1.25f;
    s.g823_sensor_offset = {6, 7, 8, 9, 10, 11};
    s.soft_marker = 2;
    s.marker_port = 4;
    s.output_enabled = 1;
    s.output_tag_data = 1;
    s.output_port = 9;
    s.output_baud_index = 0;
    s.output_data_bits = 0;
    s.output_parity = 1;
    s.output_stop_bits = 1;
    s.rts_pgga_units = 1;
    s.rts_trimble_units = 2;
    s.chd_factor = 3.125;
    return s;
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct BuildCase {
    const char* name;
    BuildConfig build;
    std::size_t lines;  // in the file, the version line included
};

TEST_F(SettingsFileTest, EveryBuildWritesItsLinesAndReadsBackWhatItWrote) {
    using T = InstrumentType;
    // clang-format off
    const BuildCase cases[] = {
        {"Ferex",              {.type = T::Ferex}, 78},
        {"GRAD601",            kGrad601Build, 78},
        {"GRAD601 simulator",  kGrad601SimBuild, 78},
        {"G823",               {.type = T::G823}, 85},
        {"EM61",               {.type = T::Em61}, 78},
        {"EM61-MK2",           {.type = T::Em61Mk2}, 79},
        {"EM61-MK2 variant 1", {.type = T::Em61Mk2, .em61mk2_variant = 1}, 79},
        {"EM61-MK2 BLU",       {.type = T::Em61Mk2, .em61mk2_variant = 3}, 80},
        {"EM61/F3",            {.type = T::Em61Mk2, .em61_f3 = true}, 81},
        {"EM61/F3 BLU",        {.type = T::Em61Mk2, .em61_f3 = true, .em61mk2_variant = 3}, 82},
        {"EM31",               {.type = T::Em31}, 82},
        {"EM38B",              {.type = T::Em38B}, 81},
        {"EM38-DD",            {.type = T::Em38Dd}, 81},
        {"EM38",               {.type = T::Em38}, 81},
        {"EM38 alternative",   {.type = T::Em38, .alt_em38_reader = true}, 81},
        {"EM38-MK2",           {.type = T::Em38Mk2}, 97},
        {"GPS simulation",     {.gps_simulation = {.satellites = true, .walk = true}}, 78},
    };
    // clang-format on
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root / "Storage" / "BRUINI");
        SettingsFile file(c.build, m_files, StorageLocation::Storage);
        Settings written = changed_settings(c.build);
        ASSERT_TRUE(file.save(written));
        std::string text = slurp(m_files.host_path(file.path()));
        EXPECT_EQ(split_lines(text).size(), c.lines);
        EXPECT_EQ(text, file.text(written));

        Settings loaded = default_settings(c.build);
        EXPECT_EQ(file.load(loaded), LoadOutcome::Loaded);
        EXPECT_EQ(file.text(loaded), text);
        EXPECT_NE(loaded, default_settings(c.build));
    }
}

TEST_F(SettingsFileTest, TypeSpecificLinesStandWhereTheTableSaysAndOthersKeepTheirDefaults) {
    using T = InstrumentType;
    // EM38-MK2: after the EM38-MK2 type come the calibration factors c4, c5, c0, c1, c2, c3.
    BuildConfig em38mk2{.type = T::Em38Mk2};
    SettingsFile file(em38mk2, m_files, StorageLocation::Storage);
    std::vector<std::string> lines = split_lines(file.text(changed_settings(em38mk2)));
    const std::vector<std::string> expected_tail = {
        "1", "4.500000", "5.500000", "0.500000", "1.500000", "2.500000", "3.500000", "0.125000"};
    ASSERT_GE(lines.size(), 53u);
    // Line 47 of an EM38-MK2 file: the survey mode, then the EM, dipole and Manual-mode lines.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 46, lines.begin() + 50),
              (std::vector<std::string>{"2", "3", "1", "100"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 50, lines.begin() + 58), expected_tail);

    // A GRAD601 file says nothing of the EM31 type, so loading one leaves it at its default.
    Settings grad = changed_settings(kGrad601Build);
    ASSERT_TRUE(grad601().save(grad));
    Settings loaded = default_settings(kGrad601Build);
    ASSERT_EQ(grad601().load(loaded), LoadOutcome::Loaded);
    EXPECT_EQ(loaded.em31_type, 0);
    EXPECT_EQ(loaded.profile2_max, 25.0f);
    EXPECT_EQ(loaded.g823_sensor_offset[5], 5.0f);
    EXPECT_EQ(loaded.chd_factor, 2.7);
    EXPECT_EQ(loaded.sensors, 3);
    EXPECT_EQ(loaded.speed_min, 0.0f);
}

}  // namespace
}  // namespace zel
