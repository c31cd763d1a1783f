#include "instruments/records/record_writer.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "record_test_support.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::line;

class RecordWriterTest : public testing::Test {
protected:
    static std::string contents(const fs::path& path) { return test::file_bytes(path); }

    static HeaderValues grad601_header() {
        HeaderValues v;
        v.type = InstrumentType::Grad601;
        v.header_tag = "ZEL601  W";
        v.version_digits = "327";
        v.gps_enabled = true;
        v.sensor_count = 2;
        v.base_name = "120914A";
        v.reading_interval_s = 0.1;
        v.storage_location = 1;
        return v;
    }

    static LineBlockValues first_line() {
        LineBlockValues v;
        v.line_name = "1";
        v.direction = 1;
        v.station_increment = 1.0;
        return v;
    }

    test::TempDir m_tmp{"zel-records"};
    const fs::path& m_dir = m_tmp.path();
    platform::RecordFile m_file;
    const platform::LocalTime m_time{2026, 12, 9, 14, 5, 7, 250};
};

const std::string kGrad601FileStart =
    line("ZEL601  W327GPS0 0 2      ") + line("Hm120914A    0.100        ") + line("G   0.00   0.00 3 011     ") +
    line("L1                        ") + line("B       0.00              ") + line("AS            1.000       ") +
    line("Z09122026 14:05:07        ") + line("*14:05:07.250      5551212");

TEST_F(RecordWriterTest, CreatesTheFileWithHeaderLineBlockAndTimeRecordThenAppends) {
    RecordWriter writer(m_file, InstrumentType::Grad601);
    const fs::path path = m_dir / "120914A.601";
    ASSERT_EQ(writer.create_file(path, grad601_header(), first_line(), m_time, 5551212),
              platform::CreateResult::Created);
    EXPECT_EQ(contents(path), kGrad601FileStart);

    ASSERT_TRUE(m_file.is_open());
    writer.write_comment(CommentKind::Event, kEventStartedProfile, 5551300);
    writer.write_reading_sentence("$PBAR,1234.5,-567.8", 1, 5551301);
    EXPECT_EQ(contents(path), kGrad601FileStart + line("X$STARTED0      " "   5551300") +
                                  line("T$PBAR,1234.5,-567.8      ") + line(">000001            5551301"));
}

TEST_F(RecordWriterTest, RefusesAnExistingNameAndLeavesThatFileAlone) {
    RecordWriter writer(m_file, InstrumentType::Grad601);
    const fs::path path = m_dir / "120914A.601";
    std::ofstream(path) << "earlier survey";
    EXPECT_EQ(writer.create_file(path, grad601_header(), first_line(), m_time, 1),
              platform::CreateResult::AlreadyExists);
    EXPECT_FALSE(m_file.is_open());
    EXPECT_EQ(contents(path), "earlier survey");

    EXPECT_EQ(writer.create_file(m_dir / "missing" / "a.601", grad601_header(), first_line(), m_time, 1),
              platform::CreateResult::Failed);
    // With no file open the writers do nothing.
    writer.write_station_record(1.0, 2);
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
}

TEST_F(RecordWriterTest, SkipsGpsSentencesThatStartedBeforeLogging) {
    RecordWriter writer(m_file, InstrumentType::Em31);
    const fs::path path = m_dir / "gps.H31";
    ASSERT_TRUE(m_file.open_for_append(path));
    const platform::Tick logging_start = 0xFFFFFFF0u;  // just before the tick wraps
    writer.write_gps_sentence("$GPGSA,1*00", kGpsSentence, 1, GpsFlag::None, logging_start - 1, logging_start);
    EXPECT_EQ(contents(path), "");
    writer.write_gps_sentence("$GPGSA,1*00", kGpsSentence, 1, GpsFlag::None, 0x20u, logging_start);
    EXPECT_EQ(contents(path), line("@$GPGSA,1*00           ") + line("!000001" + std::string(14, ' ') + "32"));
}

// Real receiver output written as GPS sentence records reads back as the same sentences, as the
// profile rebuild and post-processing read it: by record length, by kind letter.
TEST_F(RecordWriterTest, CapturedSentencesReadBackWholeInBothRecordLengths) {
    std::ifstream capture(fs::path(ZEL_TESTDATA_DIR) / "nmea" / "skytraq-dgps.log", std::ios::binary);
    ASSERT_TRUE(capture.good());
    std::vector<std::string> sentences;
    for (std::string text; std::getline(capture, text);) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text.front() == '#') continue;
        sentences.push_back(text);
    }
    ASSERT_GT(sentences.size(), 10u);

    for (const InstrumentType type : {InstrumentType::Grad601, InstrumentType::Em38}) {
        SCOPED_TRACE(type_number(type));
        const std::size_t R = record_length(type);
        const fs::path path = m_dir / ("capture" + std::to_string(R));
        ASSERT_TRUE(m_file.open_for_append(path));
        RecordWriter writer(m_file, type);
        for (std::size_t k = 0; k < sentences.size(); ++k)
            writer.write_gps_sentence(sentences[k], kGpsSentence, static_cast<std::int32_t>(k + 1), GpsFlag::None,
                                      1000 + static_cast<platform::Tick>(k), 1000);
        m_file.close();

        const std::string file = contents(path);
        ASSERT_EQ(file.size() % R, 0u);
        std::vector<std::string> read_back;
        std::string sentence;
        for (std::size_t at = 0; at < file.size(); at += R) {
            const std::string record = file.substr(at, R);
            ASSERT_EQ(record.back(), '\n');
            const std::string characters = record.substr(1, R - 2);
            switch (record[0]) {
            case '@': sentence = characters; break;
            case '#': sentence += characters; break;
            case '!':
                EXPECT_EQ(std::stoi(record.substr(1, 6)), static_cast<int>(read_back.size() + 1));
                read_back.push_back(sentence.substr(0, sentence.find_last_not_of(' ') + 1));
                break;
            default: FAIL() << "unexpected kind " << record[0] << " at " << at;
            }
        }
        EXPECT_EQ(read_back, sentences);
    }
}

}  // namespace
}  // namespace zel
