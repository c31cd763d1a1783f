#include "instruments/profile_rebuild/profile_rebuild.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "instruments/records/reading_records.h"
#include "instruments/records/record_writer.h"

namespace zel {

void PrintTo(const RebuildPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.row << ")"; }

namespace {

namespace fs = std::filesystem;
using Points = std::vector<RebuildPoint>;

constexpr std::size_t R = kLongRecord;

class ProfileRebuildTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-rebuild-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        view.shown = {true, true, true, true, true, true, true, true};
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path path() const { return m_dir / "run.601"; }

    // A file as a run creates it: header, first line block and time record.
    void create(InstrumentType type = InstrumentType::Grad601) {
        RecordWriter writer(file, type);
        HeaderValues header;
        header.type = type;
        header.header_tag = "ZEL601  W";
        header.version_digits = "327";
        LineBlockValues line;
        line.line_name = "1";
        ASSERT_EQ(writer.create_file(path(), header, line, {2026, 12, 9, 14, 5, 7, 0}, 100),
                  platform::CreateResult::Created);
    }

    void reading(const std::string& sentence) { records.write_reading_sentence(sentence, ++counter, 1000); }

    std::vector<TraceSegment> rebuild(int sensors = 2) {
        return rebuild_profile(file, R, grad601_rebuild_family(sensors, scale, R), view);
    }

    fs::path m_dir;
    platform::RecordFile file;
    RecordWriter records{file, InstrumentType::Grad601};
    std::int32_t counter = 0;
    RowScale scale{500.0f, 0.09f};
    RebuildView view;
};

TEST_F(ProfileRebuildTest, StationRecordSplitsSegmentsAndOtherRecordsAreSkipped) {
    create();
    reading("$PBAR,120.0,220.0");
    records.write_station_record(5.0, 2000);
    records.write_time_record({2026, 12, 9, 14, 6, 0, 0}, 2000);
    reading("$PBAR,130.0,230.0");
    records.write_comment(CommentKind::Comment, "tree", 3000);
    reading("$PBAR,140.0,240.0");
    const auto size_before = fs::file_size(path());

    const std::vector<TraceSegment> segments = rebuild();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].channels[0], (Points{{167, 32}, {165, 33}}));
    EXPECT_EQ(segments[0].channels[1], (Points{{167, 23}, {165, 24}}));
    EXPECT_EQ(segments[1].channels[0], (Points{{161, 34}}));
    EXPECT_EQ(segments[1].channels[1], (Points{{161, 25}}));
    EXPECT_TRUE(segments[0].channels[2].empty());

    // The writers go on appending at the end.
    records.write_station_record(6.0, 4000);
    EXPECT_EQ(fs::file_size(path()), size_before + R);
}

TEST_F(ProfileRebuildTest, LineWithoutReadingsGivesNothing) {
    create();
    EXPECT_TRUE(rebuild().empty());
    // Only the current line counts: readings before the last line block are not read.
    reading("$PBAR,1,2");
    LineBlockValues next_line;
    next_line.line_name = "2";
    records.write_line_block(next_line, {2026, 12, 9, 14, 7, 0, 0});
    records.write_time_record({2026, 12, 9, 14, 7, 0, 0}, 5000);
    EXPECT_TRUE(rebuild().empty());
}

TEST_F(ProfileRebuildTest, StationsBeforeAnyReadingOnlyMoveX) {
    create();
    records.write_station_record(1.0, 1);
    reading("$PBAR,140.0,240.0");
    records.write_station_record(2.0, 2);
    records.write_station_record(3.0, 3);
    reading("$PBAR,130.0,230.0");
    const std::vector<TraceSegment> segments = rebuild();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].channels[0], (Points{{167, 33}}));
    EXPECT_EQ(segments[1].channels[0], (Points{{161, 32}}));
}

TEST_F(ProfileRebuildTest, OnlyTheNewestReadingsThatFitAreRead) {
    create();
    for (int i = 1; i <= 100; ++i) reading("$PBAR," + std::to_string(i) + ".0,0");
    scale = {500.0f, 1.0f};
    const std::vector<TraceSegment> segments = rebuild();
    ASSERT_EQ(segments.size(), 1u);
    // x runs 167, 165, ..., 1: 84 readings, the 100th down to the 17th.
    const Points& points = segments[0].channels[0];
    ASSERT_EQ(points.size(), 84u);
    EXPECT_EQ(points.front(), (RebuildPoint{167, 400}));
    EXPECT_EQ(points.back(), (RebuildPoint{1, 483}));
}

TEST_F(ProfileRebuildTest, SensorCountDecidesTheChannels) {
    create();
    reading("$PBAR,140.0,240.0");
    std::vector<TraceSegment> segments = rebuild(1);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].channels[0], (Points{{167, 32}}));
    EXPECT_TRUE(segments[0].channels[1].empty());  // shown, but a one-sensor build has no sensor 2

    view.shown[0] = false;
    segments = rebuild(2);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_TRUE(segments[0].channels[0].empty());
    EXPECT_EQ(segments[0].channels[1], (Points{{167, 23}}));

    // A sensor setting the build does not know draws nothing but still takes its place.
    segments = rebuild(3);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].count, 1u);
    EXPECT_TRUE(segments[0].channels[0].empty());
}

TEST_F(ProfileRebuildTest, LongSentenceIsReassembledAndCutAfterOneRecordLength) {
    create();
    reading("$PBAR,100.0,2000.00000000000000");  // 32 characters: "T", "=" and ">"
    reading("$PBAR,100.000000000000000,95");      // 28 characters: the "5" lies beyond the cut
    const std::vector<TraceSegment> segments = rebuild();
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].channels[1], (Points{{167, 44}, {165, -135}}));  // (500 - 9), (500 - 2000)
}

TEST_F(ProfileRebuildTest, TornEndOfFileIsPassedOver) {
    create();
    reading("$PBAR,140.0,240.0");
    reading("$PBAR,100.0,2000.00000000000000");
    file.close();
    // The last reading lost its trailer, and a write failed part-way after it.
    fs::resize_file(path(), fs::file_size(path()) - R);
    std::ofstream(path(), std::ios::binary | std::ios::app) << "T$PBAR,1";
    const std::vector<TraceSegment> segments =
        rebuild_profile(path(), R, grad601_rebuild_family(2, scale, R), view);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].channels[0], (Points{{167, 36}, {165, 32}}));
    EXPECT_EQ(segments[0].channels[1], (Points{{167, -135}, {165, 23}}));
}

TEST_F(ProfileRebuildTest, FileWithoutLineBlockStopsAtItsStart) {
    RecordWriter writer(file, InstrumentType::Grad601);
    ASSERT_EQ(file.create(path()), platform::CreateResult::Created);
    HeaderValues header;
    header.header_tag = "ZEL601  W";
    writer.write_header(header);
    EXPECT_TRUE(rebuild().empty());
    reading("$PBAR,140.0,240.0");
    ASSERT_EQ(rebuild().size(), 1u);
    // Shorter than one record.
    std::ofstream(m_dir / "short.601") << "T$PBAR,1";
    EXPECT_TRUE(rebuild_profile(m_dir / "short.601", R, grad601_rebuild_family(2, scale, R), view).empty());
}

TEST_F(ProfileRebuildTest, NoOpenFileNoTraces) {
    create();
    reading("$PBAR,140.0,240.0");
    file.close();
    EXPECT_TRUE(rebuild().empty());
}

TEST_F(ProfileRebuildTest, MineLabF3ReadsTwoLittleEndianValues) {
    create(InstrumentType::Em61Mk2);
    RecordWriter writer(file, InstrumentType::Em61Mk2);
    const char frame1[] = {'T', '1', 0x64, 0x00, static_cast<char>(0x9C), static_cast<char>(0xFF)};  // 100, -100
    const char frame2[] = {'T', '1', 0x2C, 0x01, 0x00, 0x00};                                        // 300, 0
    writer.write(f3_reading_record({frame1, 6}, 1));
    writer.write_time_record({2026, 12, 9, 14, 6, 0, 0}, 2);
    writer.write(f3_reading_record({frame2, 6}, 3));
    view.shown[1] = false;
    const std::vector<TraceSegment> segments =
        rebuild_profile(file, R, minelab_f3_rebuild_family({500.0f, 0.1f}), view);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].channels[0], (Points{{167, 20}, {165, 40}}));
    EXPECT_TRUE(segments[0].channels[1].empty());
}

}  // namespace
}  // namespace zel
