#include "display/status_line/status_fields.h"

#include "platform/gfx/font_library.h"

#include <gtest/gtest.h>

#include <string>

namespace zel {
namespace {

using F = StatusField;
using platform::Rect;

// Fixed-pitch widths (6 pixels a character, 7 in bold) make every rectangle computable by hand.
const TextMeasure kFixedPitch{[](std::string_view t) { return 6 * static_cast<int>(t.size()); },
                              [](std::string_view t) { return 7 * static_cast<int>(t.size()); }, 13};

StatusLayout layout_for(platform::Size client, const BuildConfig& build, const TextMeasure& measure) {
    const ScreenMeasurements m = measure_screen(client);
    return status_layout(m, logging_layout(m), build, measure);
}

struct FieldCase {
    F field;
    Rect expected;
};

void expect_fields(const StatusLayout& s, std::initializer_list<FieldCase> cases) {
    for (const FieldCase& c : cases) {
        SCOPED_TRACE("field " + std::to_string(static_cast<int>(c.field)));
        EXPECT_EQ(s[c.field], c.expected);
    }
}

TEST(StatusFields, QuarterVgaLandscape) {
    // L = 13 + 2 - 5 = 10; A = 28 + 80 + 1 = 109; F = A + 5L + 2; Hr = F + 2L + 2; X1 = 215 + 8.
    const StatusLayout s = layout_for({320, 240}, kGrad601Build, kFixedPitch);
    EXPECT_EQ(s.rows.pitch, 10);
    EXPECT_EQ(s.x1, 223);
    expect_fields(s, {
                         {F::MapScale, {223, 1, 289, 12}},
                         {F::BatteryPercent, {293, 1, 320, 11}},
                         {F::RunState, {223, 11, 271, 24}},
                         {F::InstrumentBattery, {272, 11, 320, 21}},
                         {F::SurveyMode, {312, 109, 320, 119}},
                         {F::FileName, {223, 109, 309, 119}},
                         {F::Dipole, {}},
                         {F::Reading1, {235, 119, 320, 129}},
                         {F::Reading2, {235, 129, 320, 139}},
                         {F::Reading3, {235, 139, 320, 149}},
                         {F::Reading4, {235, 149, 320, 159}},
                         {F::FourthRowLabel, {223, 149, 235, 159}},
                         {F::Line, {243, 161, 320, 171}},
                         {F::Station, {243, 171, 320, 181}},
                         {F::SequenceDigit, {230, 171, 237, 181}},
                         {F::Marker, {311, 171, 320, 181}},
                         {F::Quality, {223, 183, 259, 193}},
                         {F::FirstFix, {260, 183, 270, 193}},
                         {F::SecondFix, {273, 183, 283, 193}},
                         {F::GpsCount, {286, 183, 320, 193}},
                         {F::Dop, {223, 193, 265, 203}},
                         {F::Satellites, {274, 193, 320, 203}},
                         {F::North, {223, 203, 229, 213}},
                         {F::Latitude, {230, 203, 320, 213}},
                         {F::East, {223, 213, 229, 223}},
                         {F::Longitude, {230, 213, 320, 223}},
                         {F::Zone, {299, 213, 320, 223}},
                         // trunc(4 + 107.5 - 40) = 71; top PH + 4.
                         {F::Speed, {71, 219, 177, 229}},
                         {F::SpeedMaximum, {183, 219, 215, 229}},
                         {F::Message, {5, 225, 315, 240}},
                     });
}

TEST(StatusFields, QuarterVgaPortrait) {
    // L = 10; B = 254 + 5 - 1; X1 = 5 + 32 + 4; Xr = 140.
    const StatusLayout s = layout_for({240, 320}, kGrad601Build, kFixedPitch);
    EXPECT_EQ(s.rows.pitch, 10);
    EXPECT_EQ(s.x1, 41);
    EXPECT_EQ(s.xr, 140);
    expect_fields(s, {
                         {F::BatteryPercent, {213, 0, 240, 10}},
                         {F::MapScale, {152, 0, 212, 10}},
                         {F::RunState, {5, 0, 23, 10}},
                         {F::InstrumentBattery, {96, 0, 151, 10}},
                         {F::SurveyMode, {25, 0, 32, 10}},
                         {F::FileName, {36, 0, 95, 10}},
                         {F::Reading1, {53, 258, 135, 268}},
                         {F::Reading4, {53, 288, 135, 298}},
                         {F::FourthRowLabel, {41, 288, 53, 298}},
                         {F::Line, {160, 258, 240, 268}},
                         {F::Station, {160, 268, 240, 278}},
                         {F::SequenceDigit, {147, 268, 154, 278}},
                         {F::Marker, {231, 268, 240, 278}},
                         {F::Quality, {140, 278, 176, 288}},
                         {F::FirstFix, {177, 278, 187, 288}},
                         {F::SecondFix, {190, 278, 200, 288}},
                         {F::GpsCount, {203, 278, 240, 288}},
                         {F::Dop, {140, 288, 191, 298}},
                         {F::Satellites, {191, 288, 240, 298}},
                         {F::North, {140, 298, 146, 308}},
                         {F::East, {140, 308, 146, 318}},
                         // Narrow portrait: latitude half a line below row Hr, longitude on row I.
                         {F::Latitude, {140, 283, 240, 293}},
                         {F::Longitude, {140, 288, 240, 298}},
                         {F::Zone, {219, 288, 240, 298}},
                         // trunc(5 + 115.5 - 40) = 80; top Y0 + PH - 2.
                         {F::Speed, {80, 242, 186, 252}},
                         {F::SpeedMaximum, {200, 242, 231, 252}},
                         {F::Message, {5, 241, 235, 256}},
                     });
}

TEST(StatusFields, DipoleLetterTakesRoomFromTheFileName) {
    const BuildConfig em38mk2{.type = InstrumentType::Em38Mk2};
    const StatusLayout landscape = layout_for({320, 240}, em38mk2, kFixedPitch);
    EXPECT_EQ(landscape[F::FileName], (Rect{223, 109, 299, 119}));
    EXPECT_EQ(landscape[F::Dipole], (Rect{301, 109, 309, 119}));
    const StatusLayout portrait = layout_for({240, 320}, em38mk2, kFixedPitch);
    EXPECT_EQ(portrait[F::FileName], (Rect{36, 0, 85, 10}));
    EXPECT_EQ(portrait[F::Dipole], (Rect{87, 0, 95, 10}));
}

TEST(StatusFields, LargestPortraitScreensKeepLetterAndValueSideBySide) {
    // 480 x 800: sy 2.6125, h 26, L = 26 + 2 - [3 sf]; B = (33 + 461 + 26) + 13 - 2; Xr = 280.
    const TextMeasure big{kFixedPitch.normal, kFixedPitch.bold, 26};
    const StatusLayout s = layout_for({480, 800}, kGrad601Build, big);
    EXPECT_EQ(s.rows.pitch, 22);
    EXPECT_EQ(s.rows.b, 531);
    expect_fields(s, {
                         {F::North, {280, 619, 286, 641}},
                         {F::Latitude, {288, 619, 480, 641}},
                         {F::East, {280, 641, 286, 663}},
                         {F::Longitude, {288, 641, 480, 663}},
                         {F::Zone, {456, 641, 480, 663}},
                     });
}

TEST(StatusFields, LinePitchByOrientationAndClass) {
    struct Case {
        platform::Size client;
        int h;
        int pitch;
    };
    const Case cases[] = {
        {{240, 320}, 13, 10}, {{320, 240}, 13, 10}, {{480, 640}, 26, 18},
        {{640, 480}, 26, 19}, {{480, 800}, 26, 22}, {{800, 480}, 26, 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.client.width) + "x" + std::to_string(c.client.height));
        EXPECT_EQ(status_line_pitch(measure_screen(c.client), c.h), c.pitch);
    }
}

// With the real fonts every sizing text fits its field and every field stays on the screen.
TEST(StatusFields, RealFontsFitTheirSizingTexts) {
    std::string error;
    auto library = platform::FontLibrary::open(error);
    ASSERT_TRUE(library) << error;
    for (platform::Size client : {platform::Size{240, 320}, platform::Size{320, 240}, platform::Size{480, 640},
                                  platform::Size{800, 480}}) {
        SCOPED_TRACE(std::to_string(client.width) + "x" + std::to_string(client.height));
        const ScreenMeasurements m = measure_screen(client);
        const FontHeights heights = font_heights(m);
        const platform::Font* normal = library->font({"MS Sans Serif", heights.normal, 400}).font;
        const platform::Font* bold = library->font({"MS Sans Serif", heights.bold, 700}).font;
        ASSERT_TRUE(normal && bold);
        const LoggingLayout l = logging_layout(m);
        const StatusLayout s =
            status_layout(m, l, kGrad601Build, text_measure(*normal, *bold, normal->metrics().height));

        const char* run_state = m.portrait() ? "StB" : "Stand By";
        EXPECT_LE(normal->text_width(run_state), s[F::RunState].width());
        EXPECT_LE(normal->text_width("NO FIX"), s[F::Quality].width());
        EXPECT_LE(normal->text_width("Speed:99.99 km/h"), s[F::Speed].width());
        EXPECT_LE(bold->text_width("W"), s[F::SurveyMode].width());
        EXPECT_EQ(s[F::BatteryPercent].right, m.width());
        for (int i = 0; i < kStatusFieldCount; ++i) {
            const Rect& r = s.fields[static_cast<std::size_t>(i)];
            if (r == Rect{}) continue;  // the dipole field of other builds
            SCOPED_TRACE("field " + std::to_string(i));
            EXPECT_GE(r.left, 0);
            EXPECT_LE(r.right, m.width());
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.bottom, m.height());
            EXPECT_GT(r.height(), 0);
        }
        // Readings stand clear of the profile and the level bars: right of the bars under the
        // speed bar in portrait, under the bars right of the profile in landscape.
        if (m.portrait()) {
            EXPECT_GE(s[F::Reading1].left, l.bar_left + l.bar_width);
            EXPECT_GE(s[F::Reading1].top, l.speed_bar_top + l.speed_bar_height - m.y(1));
        } else {
            EXPECT_GE(s[F::Reading1].left, l.profile.x0 + l.profile.width);
            EXPECT_GE(s[F::Reading1].top, l.bar_top + l.bar_height);
        }
    }
}

}  // namespace
}  // namespace zel
