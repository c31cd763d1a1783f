#include "instruments/records/header_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_test_support.h"

namespace zel {
namespace {

using test::line;
using test::text_of;

// Distinct digits, so that a value written in the wrong column shows.
HeaderValues distinct_digits(InstrumentType type) {
    HeaderValues v;
    v.type = type;
    v.gps_enabled = true;
    v.units = 0;
    v.survey_mode = SurveyMode::Wheel;
    v.sensor_size = 3;
    v.dipole_mode = 4;
    v.em_mode = 5;
    v.em31_type = 6;
    v.em38mk2_type = 2;
    v.sensor_count = 2;
    v.orientation = Orientation::Portrait;
    return v;
}

template <std::size_t R>
std::string tag_text(const HeaderValues& v) {
    const auto record = tag_line<R>(v);
    EXPECT_TRUE(test::is_text_record(record));
    return text_of(record);
}

std::string tag_text_in_own_length(const HeaderValues& v) {
    return record_length(v.type) == kLongRecord ? tag_text<kLongRecord>(v) : tag_text<kShortRecord>(v);
}

TEST(TagLine, HoldsTheTypesDigitsAfterTheTagVersionAndGpsText) {
    struct Case {
        InstrumentType type;
        const char* tag;
        const char* version;
        void (*adjust)(HeaderValues&);
        std::string expected;
    };
    const auto none = [](HeaderValues&) {};
    const std::vector<Case> cases = {
        {InstrumentType::Ferex, "ZELFX   W", "312", none, line("ZELFX   W312GPS031        ")},
        {InstrumentType::Grad601, "ZEL601  W", "327", [](HeaderValues& v) { v.gps_enabled = false; },
         line("ZEL601  W327GRD0 1 2      ")},
        {InstrumentType::G823, "ZEL823  W", "202",
         [](HeaderValues& v) { v.sensor_count = 6; v.orientation = Orientation::Landscape; },
         line("ZEL823  W202GPS0 1 6  2   ")},
        {InstrumentType::Em61, "ZEL61   W", "181", none, line("ZEL61   W181GPS031        ")},
        {InstrumentType::Em61Mk2, "ZELMK2  W", "327", none, line("ZELMK2  W327GPS031        ")},
        {InstrumentType::Em61Mk2, "ZELMK2H W", "327", [](HeaderValues& v) { v.em61mk2_variant = 3; },
         line("ZELMK2H W327GPS031  3     ")},
        {InstrumentType::Em31, "ZEL31   W", "324", none, line("ZEL31   W324GPS04156   ")},
        {InstrumentType::Em38B, "ZEL38B  W", "203", none, line("ZEL38B  W203GPS0415    ")},
        {InstrumentType::Em38Dd, "ZEL38D  W", "181", none, line("ZEL38D  W181GPS0415    ")},
        {InstrumentType::Em38, "ZEL38   W", "313", none, line("ZEL38   W313GPS0415    ")},
        {InstrumentType::Em34_3, "", "", none, line(std::string(23, ' '))},
        {InstrumentType::Type5, "", "", none, line(std::string(23, ' '))},
        {InstrumentType::Ice31, "", "", none, line(std::string(23, ' '))},
        {InstrumentType::Em38Mk2, "ZEL382  W", "327", none, line("ZEL382  W327GPS04152  3   ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        SCOPED_TRACE(type_number(c.type));
        HeaderValues v = distinct_digits(c.type);
        v.header_tag = c.tag;
        v.version_digits = c.version;
        c.adjust(v);
        EXPECT_EQ(tag_text_in_own_length(v), c.expected);
    }
}

TEST(FileNameLine, HoldsTheBaseNameAndTheStationSpacingOfTheWorkingSurveyMode) {
    struct Case {
        const char* name;
        InstrumentType type;
        SurveyMode mode;
        const char* base_name;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"auto: reading interval", InstrumentType::Grad601, SurveyMode::Auto, "120914A",
         line("Hm120914A    0.100        ")},
        {"wheel increment, name cut after nine", InstrumentType::Grad601, SurveyMode::Wheel, "ABCDEFGHIJKL",
         line("HmABCDEFGHI  0.500        ")},
        {"manual increment below type 0", InstrumentType::Em61, SurveyMode::Manual, "a", line("Hma         -1.250        ")},
        {"manual samples in the EM family", InstrumentType::Em31, SurveyMode::Manual, "120914A",
         line("Hm120914A       10     ")},
        {"manual samples for the EM38-MK2", InstrumentType::Em38Mk2, SurveyMode::Manual, "",
         line("Hm" + std::string(9, ' ') + "     10" + std::string(8, ' '))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderValues v;
        v.type = c.type;
        v.survey_mode = c.mode;
        v.base_name = c.base_name;
        v.reading_interval_s = 0.1;
        v.wheel_increment = 0.5;
        v.manual_increment = -1.25;
        v.samples_per_reading = 10;
        const std::string text = record_length(c.type) == kLongRecord ? text_of(file_name_line<kLongRecord>(v))
                                                                      : text_of(file_name_line<kShortRecord>(v));
        EXPECT_EQ(text, c.expected);
    }
}

TEST(GpsSetupLine, FollowsEachColumnRule) {
    struct Case {
        const char* name;
        void (*adjust)(HeaderValues&);
        std::string expected;  // columns 15 to 20
    };
    const std::vector<Case> cases = {
        {"portrait, GGA, instrument and GPS on", [](HeaderValues&) {}, " 3 011"},
        {"storage location 0 leaves the orientation blank", [](HeaderValues& v) { v.storage_location = 0; },
         "   011"},
        {"landscape", [](HeaderValues& v) { v.orientation = Orientation::Landscape; }, " 2 011"},
        {"RTS pGGA units, 2 Hz",
         [](HeaderValues& v) { v.gps_sentence_type = 7; v.rts_pgga_units = 1; v.max_gps_display = 1; }, " 31171"},
        {"RTS Trimble is written as 9 with its own units",
         [](HeaderValues& v) { v.gps_sentence_type = 8; v.rts_trimble_units = 2; }, " 32091"},
        {"GPS off", [](HeaderValues& v) { v.gps_enabled = false; }, " 3 010"},
        {"instrument off writes 0 whatever the GPS", [](HeaderValues& v) { v.instrument_enabled = false; },
         " 3 010"},
        {"EM61-MK2 handshake answered OK",
         [](HeaderValues& v) { v.type = InstrumentType::Em61Mk2; v.em61mk2_output_flag = 1; }, "13 011"},
        {"EM61-MK2 handshake answered OV",
         [](HeaderValues& v) { v.type = InstrumentType::Em61Mk2; v.em61mk2_output_flag = 0; }, "03 011"},
        {"MineLab F3 decimation",
         [](HeaderValues& v) { v.type = InstrumentType::Em61Mk2; v.minelab_f3 = true; v.f3_decimation = 3; },
         "33 011"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderValues v;
        v.gps_x_offset = 0.5;
        v.gps_y_offset = -1.25;
        v.storage_location = 1;
        v.orientation = Orientation::Portrait;
        v.gps_sentence_type = 1;
        v.gps_enabled = true;
        v.instrument_enabled = true;
        c.adjust(v);
        EXPECT_EQ(text_of(gps_setup_line<kLongRecord>(v)), line("G   0.50  -1.25" + c.expected + "     "));
        v.type = InstrumentType::Em38;
        if (c.expected[0] == ' ') {
            EXPECT_EQ(text_of(gps_setup_line<kShortRecord>(v)), line("G   0.50  -1.25" + c.expected + "  "));
        }
    }
}

TEST(HeaderBlock, AddsTheFurtherHeaderRecordsOfTheType) {
    HeaderValues v;
    v.g823_sensor_offsets = {0.5, -0.5, 1.0, 2.0, 3.0, 4.0};
    v.channel_offsets = {12.5, -3.0};
    v.em38mk2_calibration = {{{1.5, -2.25}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {-1000.125, 99999.5}}};

    struct Case {
        InstrumentType type;
        std::vector<std::string> further;
    };
    const std::vector<Case> cases = {
        {InstrumentType::Grad601, {}},
        {InstrumentType::Ferex, {}},
        {InstrumentType::G823,
         {line("G   0.50  -0.50           "), line("G   1.00   2.00           "),
          line("G   3.00   4.00           ")}},
        {InstrumentType::Em61, {line("O    12.50                "), line("O    -3.00                ")}},
        {InstrumentType::Em38Mk2,
         {line("O1     1.500     -2.250   "), line("O2     0.000      0.000   "), line("O3     0.000      0.000   "),
          line("O4     0.000      0.000   "), line("O5     0.000      0.000   "),
          line("O6 -1000.125  99999.500   ")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(type_number(c.type));
        v.type = c.type;
        const auto block = header_block<kLongRecord>(v);
        ASSERT_EQ(block.size(), 3 + c.further.size());
        EXPECT_EQ(text_of(block[0]), text_of(tag_line<kLongRecord>(v)));
        EXPECT_EQ(text_of(block[1]), text_of(file_name_line<kLongRecord>(v)));
        EXPECT_EQ(text_of(block[2]), text_of(gps_setup_line<kLongRecord>(v)));
        for (std::size_t k = 0; k < c.further.size(); ++k) EXPECT_EQ(text_of(block[3 + k]), c.further[k]);
        for (const auto& record : block) EXPECT_TRUE(test::is_text_record(record));
    }
}

}  // namespace
}  // namespace zel
