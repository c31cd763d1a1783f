#include "gps/nmea/sentence_type.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "gps/nmea/gps_field.h"

namespace zel {
namespace {

using K = FieldKind;

// Each layout read against a real example of its sentence: every entry must land on the value
// its kind names.
TEST(SentenceType, LayoutsReadTheirSentences) {
    const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
    const std::map<K, std::string> gga_gsa_values = {{K::Satellites, "08"},         {K::Quality, "1"},
                                                     {K::LatitudeHemisphere, "N"},  {K::Latitude, "4807.038"},
                                                     {K::LongitudeHemisphere, "E"}, {K::Longitude, "01131.000"}};
    std::map<K, std::string> gga_values = gga_gsa_values;
    gga_values[K::Hdop] = "0.9";
    struct Case {
        int setting;
        std::string sentence;
        std::map<K, std::string> values;
    };
    const Case cases[] = {
        {0, gga, gga_gsa_values},
        {1, gga, gga_values},
        {2, "$PASHR,POS,0,06,214546.00,4740.61659,N,12219.68287,W,-00016.27,,000.00,000.00,-000.00,02.9,01.6,02.5,00.5,GA00*33",
         {{K::Satellites, "06"}, {K::Quality, "0"}, {K::LatitudeHemisphere, "N"}, {K::Latitude, "4740.61659"},
          {K::LongitudeHemisphere, "W"}, {K::Longitude, "12219.68287"}, {K::Dop, "02.9"}}},
        {3, "$GPLLK,172814.00,070101,3484.9830,M,2430.4548,M,3,08,0.9,1.2,M*33",
         {{K::Satellites, "08"}, {K::Quality, "3"}, {K::Northing, "2430.4548"}, {K::Easting, "3484.9830"},
          {K::DopOrQuality, "0.9"}}},
        {4, "$GPLLQ,034137.00,210712,,M,,M,3,15,0.011,,M*15",
         {{K::Satellites, "15"}, {K::Quality, "3"}, {K::Northing, ""}, {K::Easting, ""}, {K::DopOrQuality, "0.011"}}},
        {5, "$GPGLL,4916.45,N,12311.12,W,225444,A*1D",
         {{K::LatitudeHemisphere, "N"}, {K::Latitude, "4916.45"}, {K::LongitudeHemisphere, "W"}, {K::Longitude, "12311.12"}}},
        {6, "$PTNL,GGK,102939.00,051910,5000.97323841,N,00827.62010742,E,5,09,1.9,EHT150.790,M*73",
         {{K::Satellites, "09"}, {K::Quality, "5"}, {K::LatitudeHemisphere, "N"}, {K::Latitude, "5000.97323841"},
          {K::LongitudeHemisphere, "E"}, {K::Longitude, "00827.62010742"}, {K::Dop, "1.9"}}},
        {7, "$GPGGA,101010,5000.125,x,3000.5,x,,,,,,F*00", {{K::Northing, "5000.125"}, {K::Easting, "3000.5"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        FieldLayout layout{};
        apply_sentence_type_setting(c.setting, layout);
        EXPECT_TRUE(contains_tag(c.sentence, layout.tag));
        ASSERT_EQ(layout.used().size(), c.values.size());
        for (const FieldEntry& e : layout.used()) {
            SCOPED_TRACE(static_cast<int>(e.kind));
            ASSERT_TRUE(c.values.contains(e.kind));
            EXPECT_EQ(gps_field(c.sentence, e.field), std::optional<std::string_view>(c.values.at(e.kind)));
        }
    }
}

TEST(SentenceType, HemispheresStandBeforeTheCoordinatesTheySign) {
    for (const GpsSentenceTypeInfo& info : kGpsSentenceTypes) {
        if (!info.layout) continue;
        SCOPED_TRACE(info.list_text);
        int seen_latitude_sign = -1, seen_longitude_sign = -1;
        for (std::size_t i = 0; i < info.layout->used().size(); ++i) {
            const K kind = info.layout->used()[i].kind;
            if (kind == K::LatitudeHemisphere) seen_latitude_sign = static_cast<int>(i);
            if (kind == K::LongitudeHemisphere) seen_longitude_sign = static_cast<int>(i);
            if (kind == K::Latitude) {
                EXPECT_GE(seen_latitude_sign, 0);
            }
            if (kind == K::Longitude) {
                EXPECT_GE(seen_longitude_sign, 0);
            }
        }
    }
}

TEST(SentenceType, TotalStationAndUnknownSettingsLeaveTheLayoutUnchanged) {
    FieldLayout layout = default_field_layout();
    EXPECT_EQ(layout.tag, "GGA");
    EXPECT_EQ(layout.used().size(), 7u);
    apply_sentence_type_setting(5, layout);
    EXPECT_EQ(layout.tag, "GLL");
    for (const int setting : {8, 9, -1, 1000}) {
        apply_sentence_type_setting(setting, layout);
        EXPECT_EQ(layout.tag, "GLL");
        EXPECT_EQ(layout.used().size(), 4u);
    }
    EXPECT_EQ(sentence_type_info(GpsSentenceType::RtsTrimble).reader, GpsReader::TotalStation);
    EXPECT_FALSE(gps_sentence_type(9).has_value());
}

TEST(SentenceType, TagIsFoundForAnyTalker) {
    EXPECT_TRUE(contains_tag("$GNGGA,1*00", "GGA"));
    EXPECT_TRUE(contains_tag("$GLGGA,1*00", "GGA"));
    EXPECT_FALSE(contains_tag("$GPGSA,1*00", "GGA"));
    EXPECT_FALSE(contains_tag("$GPGGA,1*00", ""));
}

}  // namespace
}  // namespace zel
