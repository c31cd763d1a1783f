#include "display/status_line/status_fields.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace zel {

using platform::Rect;
using F = StatusField;

TextMeasure text_measure(const platform::Font& normal, const platform::Font& bold, int system_text_height) {
    return {[&normal](std::string_view t) { return normal.text_width(t); },
            [&bold](std::string_view t) { return bold.text_width(t); }, system_text_height};
}

int status_line_pitch(const ScreenMeasurements& m, int h) {
    int k = m.f(5);
    if (!m.portrait() && !m.quarter_vga()) k = m.f(4.5);
    if (m.portrait() && m.screen_class == ScreenClass::Larger) k = m.f(3);
    return h + 2 - k;
}

namespace {

int widest(const TextWidth& width, std::initializer_list<std::string_view> texts) {
    int w = 0;
    for (std::string_view t : texts) w = std::max(w, width(t));
    return w;
}

// Sizing texts: the widest value each field has to hold.
constexpr std::string_view kBatterySizing = "999%";
constexpr std::string_view kInstrumentBatterySizing = "B:99.99V";  // "B:%5.2fV" of 99.99
constexpr std::string_view kDopSizing = "P:99.9 ";
constexpr std::string_view kZoneSizing = "Z33";
constexpr std::string_view kSpeedSizing = "Speed:99.99 km/h";
constexpr std::string_view kSpeedMaximumSizing = "99.99";

struct Widths {
    int battery, instrument_battery, mode_letter, dipole_letter, fourth_label, s, sequence, marker, quality, dop,
        hemisphere, zone, speed, speed_maximum;
};

Widths measure_common(const TextMeasure& t) {
    return {t.normal(kBatterySizing),
            t.normal(kInstrumentBatterySizing),
            widest(t.bold, {"M", "W", "A"}),
            widest(t.bold, {"H", "V"}),
            widest(t.normal, {"4:", "T:"}),
            t.normal("S"),
            widest(t.normal, {"0", "1", "2", "3", "4", "5", "6"}),
            t.normal("M"),
            widest(t.normal, {"NO FIX", "AGPS", "DGPS", "RTK", "CODE"}),
            t.normal(kDopSizing),
            widest(t.normal, {"N", "S", "W", "E"}),
            t.normal(kZoneSizing),
            t.normal(kSpeedSizing),
            t.normal(kSpeedMaximumSizing)};
}

// A field one line high at (left, top).
Rect line_field(int left, int right, int top, int pitch) { return {left, top, right, top + pitch}; }

StatusRows landscape_rows(const ScreenMeasurements& m, const LoggingLayout& l, int pitch) {
    StatusRows r;
    r.pitch = pitch;
    r.t = m.y(1);
    r.t2 = r.t + pitch;
    r.a = l.bar_top + l.bar_height + m.y(1);
    r.b = r.a + pitch;
    r.c = r.a + 2 * pitch;
    r.d = r.a + 3 * pitch;
    r.e = r.a + 4 * pitch;
    r.f = r.a + 5 * pitch + m.y(2);
    r.g = r.f + pitch;
    r.hr = r.f + 2 * pitch + m.y(2);
    r.i = r.hr + pitch;
    r.j = r.hr + 2 * pitch;
    r.k = r.hr + 3 * pitch;
    return r;
}

// In portrait the readings and the GPS block share rows from under the speed bar.
StatusRows portrait_rows(const ScreenMeasurements& m, const LoggingLayout& l, int pitch) {
    StatusRows r;
    r.pitch = pitch;
    r.b = l.speed_bar_top + l.speed_bar_height - m.y(1);
    r.c = r.b + pitch;
    r.d = r.b + 2 * pitch;
    r.e = r.b + 3 * pitch;
    r.f = r.b;
    r.g = r.b + pitch;
    r.hr = r.b + 2 * pitch;
    r.i = r.b + 3 * pitch;
    r.j = r.b + 4 * pitch;
    r.k = r.b + 5 * pitch;
    return r;
}

void place_top_landscape(StatusLayout& s, const ScreenMeasurements& m, const TextMeasure& t, const Widths& w,
                         bool dipole) {
    const StatusRows& r = s.rows;
    const int W = m.width();
    const int L = r.pitch;
    s[F::MapScale] = {s.x1, r.t, s.x1 + t.normal("Sc:99999 ft"), L + 2};
    s[F::BatteryPercent] = line_field(W - w.battery - m.x(3), W, r.t, L);
    s[F::RunState] = {s.x1, r.t2, s.x1 + widest(t.normal, {"Stand By", "Logging", "Monitor"}), r.t2 + L + 3};
    s[F::InstrumentBattery] = line_field(W - w.instrument_battery, W, r.t2, L);
    s[F::SurveyMode] = line_field(W - w.mode_letter - 1, W, r.a, L);
    s[F::FileName] = line_field(s.x1, s[F::SurveyMode].left - m.x(3), r.a, L);
    if (dipole) {
        Rect& file = s[F::FileName];
        file.right -= w.dipole_letter + m.x(3);
        const int left = file.right + m.x(2);
        s[F::Dipole] = line_field(left, left + w.dipole_letter + 1, r.a, L);
    }
}

void place_top_portrait(StatusLayout& s, const ScreenMeasurements& m, const LoggingLayout& l, const TextMeasure& t,
                        const Widths& w, bool dipole) {
    const int W = m.width();
    const int L = s.rows.pitch;
    s[F::BatteryPercent] = line_field(W - w.battery - m.x(3), W, 0, L);
    const int scale_right = s[F::BatteryPercent].left - m.x(1);
    s[F::MapScale] = line_field(scale_right - t.normal("S:99999 ft"), scale_right, 0, L);
    const int x0 = l.profile.x0;
    s[F::RunState] = line_field(x0, x0 + widest(t.normal, {"StB", "Log", "Mon"}), 0, L);
    const int scale_left = s[F::MapScale].left;
    s[F::InstrumentBattery] = line_field(scale_left - w.instrument_battery - m.x(8), scale_left - m.x(1), 0, L);
    const int mode_left = s[F::RunState].right + m.x(2);
    s[F::SurveyMode] = line_field(mode_left, mode_left + w.mode_letter, 0, L);
    s[F::FileName] = line_field(s[F::SurveyMode].right + m.x(4), s[F::InstrumentBattery].left - m.x(1), 0, L);
    if (dipole) {
        Rect& file = s[F::FileName];
        file.right -= w.dipole_letter + m.x(3);
        const int left = file.right + m.x(2);
        s[F::Dipole] = line_field(left, left + w.dipole_letter + m.x(1), 0, L);
    }
}

// Readings, line and station, marker: the instrument block.
void place_instrument_block(StatusLayout& s, const ScreenMeasurements& m, const Widths& w) {
    const StatusRows& r = s.rows;
    const int W = m.width();
    const int L = r.pitch;
    const int reading_right = m.portrait() ? m.x(135) : W;
    const int tops[] = {r.b, r.c, r.d, r.e};
    for (int i = 0; i < 4; ++i) {
        s[static_cast<F>(static_cast<int>(F::Reading1) + i)] = line_field(s.x1 + m.x(12), reading_right, tops[i], L);
    }
    s[F::FourthRowLabel] = line_field(s.x1, s.x1 + w.fourth_label, r.e, L);
    const int column = m.portrait() ? s.xr : s.x1;
    s[F::Line] = line_field(column + m.x(20), W, r.f, L);
    s[F::Station] = line_field(column + m.x(20), W, r.g, L);
    const int sequence_left = column + w.s + m.x(1);
    s[F::SequenceDigit] = line_field(sequence_left, sequence_left + w.sequence + m.x(1), r.g, L);
    s[F::Marker] = line_field(W - w.marker - m.x(3), W, r.g, L);
}

void place_gps_block(StatusLayout& s, const ScreenMeasurements& m, const Widths& w) {
    const StatusRows& r = s.rows;
    const int W = m.width();
    const int L = r.pitch;
    const int x = m.portrait() ? s.xr : s.x1;
    s[F::Quality] = line_field(x, x + w.quality, r.hr, L);
    const int first = s[F::Quality].right + m.x(1);
    s[F::FirstFix] = line_field(first, first + m.x(10), r.hr, L);
    const int second = s[F::FirstFix].right + m.x(3);
    s[F::SecondFix] = line_field(second, second + m.x(10), r.hr, L);
    s[F::GpsCount] = line_field(s[F::SecondFix].right + m.x(3), W, r.hr, L);

    if (m.portrait()) {
        s[F::Dop] = line_field(x, x + w.dop + m.x(9), r.i, L);
        s[F::Satellites] = line_field(s[F::Dop].right, W, r.i, L);
    } else {
        s[F::Dop] = line_field(x, x + w.dop, r.i, L);
        s[F::Satellites] = line_field(s[F::Dop].right + m.x(9), W, r.i, L);
    }

    s[F::North] = line_field(x, x + w.hemisphere, r.j, L);
    s[F::East] = line_field(x, x + w.hemisphere, r.k, L);
    if (!m.portrait()) {
        s[F::Latitude] = line_field(s[F::North].right + m.x(1), W, r.j, L);
        s[F::Longitude] = line_field(s[F::East].right + m.x(1), W, r.k, L);
        s[F::Zone] = line_field(W - w.zone - m.x(3), W, r.k, L);
    } else if (m.screen_class == ScreenClass::Larger) {
        s[F::Latitude] = line_field(s[F::North].right + 2, W, r.j, L);
        s[F::Longitude] = line_field(s[F::East].right + 2, W, r.k, L);
    } else {
        // Here the values span the column over the rows above; the GPS handlers leave them alone.
        s[F::Latitude] = line_field(x, W, r.hr + L / 2, L);
        s[F::Longitude] = line_field(x, W, r.i, L);
    }
    if (m.portrait()) {
        const Rect& lon = s[F::Longitude];
        s[F::Zone] = {static_cast<int>(std::trunc(W - w.zone - 3 * m.sf)), lon.top, W, lon.bottom};
    }
}

void place_speed_and_message(StatusLayout& s, const ScreenMeasurements& m, const LoggingLayout& l, const Widths& w) {
    const ProfileArea& p = l.profile;
    const int W = m.width();
    const int L = s.rows.pitch;
    const double centre = p.x0 + 0.5 * p.width;
    if (m.portrait()) {
        const int top = p.y0 + p.height - m.x(2);
        const int left = static_cast<int>(std::trunc(centre - 40));
        s[F::Speed] = line_field(left, left + w.speed + m.x(10), top, L);
        s[F::SpeedMaximum] = line_field(p.width - w.speed_maximum - m.x(1), p.width, top, L);
        const int message_top = p.height + m.x(10);
        s[F::Message] = {m.x(5), message_top, W - m.x(5), message_top + L + m.y(5)};
    } else {
        const int top = p.height + m.y(4);
        const int left = static_cast<int>(std::trunc(centre - m.x(40)));
        s[F::Speed] = line_field(left, left + w.speed + m.x(10), top, L);
        s[F::SpeedMaximum] = line_field(p.width - w.speed_maximum - m.x(2), p.width, top, L);
        const int message_top = p.height + m.y(10);
        s[F::Message] = {m.x(5), message_top, W - m.x(5), message_top + L + 5};
    }
}

}  // namespace

StatusLayout status_layout(const ScreenMeasurements& m, const LoggingLayout& l, const BuildConfig& build,
                           const TextMeasure& measure) {
    StatusLayout s;
    const int pitch = status_line_pitch(m, measure.system_text_height);
    const Widths w = measure_common(measure);
    const bool dipole = build.type == InstrumentType::Em38Mk2;
    if (m.portrait()) {
        s.rows = portrait_rows(m, l, pitch);
        s.x1 = l.profile.x0 + l.bar_width + m.x(4);
        s.xr = m.x(140);
        place_top_portrait(s, m, l, measure, w, dipole);
    } else {
        s.rows = landscape_rows(m, l, pitch);
        s.x1 = l.profile.width + m.x(8);
        s.xr = 0;
        place_top_landscape(s, m, measure, w, dipole);
    }
    place_instrument_block(s, m, w);
    place_gps_block(s, m, w);
    place_speed_and_message(s, m, l, w);
    return s;
}

}  // namespace zel
