#include "app/settings/settings_lines.h"

#include <array>

namespace zel {
namespace {

// Presence conditions.
bool all(const BuildConfig&) { return true; }
bool below_zero(const BuildConfig& b) { return b.below_zero(); }
bool below_zero_not_g823(const BuildConfig& b) { return b.below_zero() && b.type != InstrumentType::G823; }
bool zero_and_above(const BuildConfig& b) { return !b.below_zero(); }
bool em31(const BuildConfig& b) { return b.type == InstrumentType::Em31; }
bool g823(const BuildConfig& b) { return b.type == InstrumentType::G823; }
bool em38mk2(const BuildConfig& b) { return b.type == InstrumentType::Em38Mk2; }
bool em61_f3(const BuildConfig& b) { return b.type == InstrumentType::Em61Mk2 && b.em61_f3; }
bool em38mk2_or_em61mk2(const BuildConfig& b) {
    return b.type == InstrumentType::Em38Mk2 || b.type == InstrumentType::Em61Mk2;
}
bool blu(const BuildConfig& b) { return b.is_blu(); }

template <auto Member>
SettingRef field(Settings& s) {
    return &(s.*Member);
}

template <auto Member, std::size_t Index>
SettingRef element(Settings& s) {
    return &(s.*Member)[Index];
}

constexpr LineCheck kNone{};
constexpr LineCheck range(int low, int high) { return {CheckKind::Range, low, high, nullptr}; }
constexpr LineCheck above(float Settings::*lower) { return {CheckKind::Above, 0, 0, lower}; }

using F = LineFormat;
using S = Settings;

// clang-format off
constexpr std::array kLines{
    //           name                        present for          format         setting                                      valid
    SettingsLine{"instrument enabled",       all,                 F::Integer,    field<&S::instrument_enabled>,               range(0, 1)},
    // One line, checked only in the G823 build.
    SettingsLine{"sensors",                  below_zero_not_g823, F::Integer,    field<&S::sensors>,                          kNone},
    SettingsLine{"G823 sensors",             g823,                F::Integer,    field<&S::sensors>,                          range(1, 6)},
    SettingsLine{"EM31 type",                em31,                F::Integer,    field<&S::em31_type>,                        range(0, 1)},
    SettingsLine{"EM61-MK2 type",            em61_f3,             F::Integer,    field<&S::em61mk2_type>,                     kNone},
    SettingsLine{"F3 decimation",            em61_f3,             F::Integer,    field<&S::f3_decimation>,                    kNone},
    SettingsLine{"units",                    all,                 F::Integer,    field<&S::units>,                            range(0, 2)},
    SettingsLine{"speed units",              all,                 F::Integer,    field<&S::speed_units>,                      range(0, 3)},
    SettingsLine{"instrument port",          all,                 F::Integer,    field<&S::instrument_port>,                  range(0, 17)},
    SettingsLine{"G823 baud rate",           g823,                F::Integer,    field<&S::g823_baud_index>,                  kNone},
    SettingsLine{"audio",                    all,                 F::Integer,    field<&S::audio>,                            range(0, 1)},
    SettingsLine{"pause key",                all,                 F::Integer,    field<&S::pause_key>,                        range(0, 3)},
    SettingsLine{"soft keyboard",            all,                 F::Integer,    field<&S::soft_keyboard>,                    kNone},
    SettingsLine{"show channel 1",           all,                 F::Integer,    element<&S::channel_shown, 0>,               range(0, 1)},
    SettingsLine{"show channel 2",           all,                 F::Integer,    element<&S::channel_shown, 1>,               range(0, 1)},
    SettingsLine{"show channel 3",           all,                 F::Integer,    element<&S::channel_shown, 2>,               range(0, 1)},
    SettingsLine{"show channel 4",           all,                 F::Integer,    element<&S::channel_shown, 3>,               range(0, 1)},
    SettingsLine{"show channel 5",           all,                 F::Integer,    element<&S::channel_shown, 4>,               range(0, 1)},
    SettingsLine{"show channel 6",           all,                 F::Integer,    element<&S::channel_shown, 5>,               range(0, 1)},
    SettingsLine{"show channel 7",           all,                 F::Integer,    element<&S::channel_shown, 6>,               range(0, 1)},
    SettingsLine{"show channel 8",           all,                 F::Integer,    element<&S::channel_shown, 7>,               range(0, 1)},
    SettingsLine{"thickness of channel 1",   all,                 F::Integer,    element<&S::channel_thickness, 0>,           range(1, 5)},
    SettingsLine{"thickness of channel 2",   all,                 F::Integer,    element<&S::channel_thickness, 1>,           range(1, 5)},
    SettingsLine{"thickness of channel 3",   all,                 F::Integer,    element<&S::channel_thickness, 2>,           range(1, 5)},
    SettingsLine{"thickness of channel 4",   all,                 F::Integer,    element<&S::channel_thickness, 3>,           range(1, 5)},
    SettingsLine{"thickness of channel 5",   all,                 F::Integer,    element<&S::channel_thickness, 4>,           range(1, 5)},
    SettingsLine{"thickness of channel 6",   all,                 F::Integer,    element<&S::channel_thickness, 5>,           range(1, 5)},
    SettingsLine{"thickness of channel 7",   all,                 F::Integer,    element<&S::channel_thickness, 6>,           range(1, 5)},
    SettingsLine{"thickness of channel 8",   all,                 F::Integer,    element<&S::channel_thickness, 7>,           range(1, 5)},
    SettingsLine{"colour of channel 1",      all,                 F::Long,       element<&S::channel_colour, 0>,              kNone},
    SettingsLine{"colour of channel 2",      all,                 F::Long,       element<&S::channel_colour, 1>,              kNone},
    SettingsLine{"colour of channel 3",      all,                 F::Long,       element<&S::channel_colour, 2>,              kNone},
    SettingsLine{"colour of channel 4",      all,                 F::Long,       element<&S::channel_colour, 3>,              kNone},
    SettingsLine{"colour of channel 5",      all,                 F::Long,       element<&S::channel_colour, 4>,              kNone},
    SettingsLine{"colour of channel 6",      all,                 F::Long,       element<&S::channel_colour, 5>,              kNone},
    SettingsLine{"colour of channel 7",      all,                 F::Long,       element<&S::channel_colour, 6>,              kNone},
    SettingsLine{"colour of channel 8",      all,                 F::Long,       element<&S::channel_colour, 7>,              kNone},
    SettingsLine{"profile amplitude",        below_zero,          F::Integer,    field<&S::profile_amplitude>,                range(0, 1)},
    SettingsLine{"profile minimum",          all,                 F::RealFloat,  field<&S::profile_min>,                      kNone},
    SettingsLine{"profile maximum",          all,                 F::RealFloat,  field<&S::profile_max>,                      above(&S::profile_min)},
    SettingsLine{"second profile minimum",   zero_and_above,      F::RealFloat,  field<&S::profile2_min>,                     kNone},
    SettingsLine{"second profile maximum",   zero_and_above,      F::RealFloat,  field<&S::profile2_max>,                     above(&S::profile2_min)},
    SettingsLine{"GPS enabled",              all,                 F::Integer,    field<&S::gps_enabled>,                      range(0, 1)},
    SettingsLine{"GPS sentence type",        all,                 F::Integer,    field<&S::gps_sentence_type>,                range(0, 8)},
    SettingsLine{"GPS port",                 all,                 F::Integer,    field<&S::gps_port>,                         range(0, 17)},
    SettingsLine{"GPS baud rate",            all,                 F::Integer,    field<&S::gps_baud_index>,                   range(0, 5)},
    SettingsLine{"GPS data bits",            all,                 F::Integer,    field<&S::gps_data_bits>,                    range(0, 1)},
    SettingsLine{"GPS parity",               all,                 F::Integer,    field<&S::gps_parity>,                       range(0, 2)},
    SettingsLine{"GPS stop bits",            all,                 F::Integer,    field<&S::gps_stop_bits>,                    range(0, 1)},
    SettingsLine{"max GPS display",          all,                 F::Integer,    field<&S::max_gps_display>,                  kNone},
    SettingsLine{"speed bar minimum",        all,                 F::RealFloat,  field<&S::speed_min>,                        kNone, OnLoad::Discard},
    SettingsLine{"max speed",                all,                 F::RealFloat,  field<&S::speed_max>,                        above(&S::speed_min)},
    SettingsLine{"survey mode",              all,                 F::Integer,    field<&S::survey_mode>,                      range(0, 2)},
    SettingsLine{"EM mode",                  zero_and_above,      F::Integer,    field<&S::em_mode>,                          kNone},
    SettingsLine{"dipole mode",              zero_and_above,      F::Integer,    field<&S::dipole_mode>,                      kNone},
    SettingsLine{"manual samples",           zero_and_above,      F::Integer,    field<&S::manual_samples>,                   kNone},
    SettingsLine{"EM38-MK2 type",            em38mk2,             F::Integer,    field<&S::em38mk2_type>,                     kNone},
    // The calibration factors are stored c4, c5, c0, c1, c2, c3.
    SettingsLine{"calibration c4",           em38mk2,             F::RealFloat,  element<&S::em38mk2_calibration, 4>,         kNone},
    SettingsLine{"calibration c5",           em38mk2,             F::RealFloat,  element<&S::em38mk2_calibration, 5>,         kNone},
    SettingsLine{"calibration c0",           em38mk2,             F::RealFloat,  element<&S::em38mk2_calibration, 0>,         kNone},
    SettingsLine{"calibration c1",           em38mk2,             F::RealFloat,  element<&S::em38mk2_calibration, 1>,         kNone},
    SettingsLine{"calibration c2",           em38mk2,             F::RealFloat,  element<&S::em38mk2_calibration, 2>,         kNone},
    SettingsLine{"calibration c3",           em38mk2,             F::RealFloat,  element<&S::em38mk2_calibration, 3>,         kNone},
    SettingsLine{"station increment Auto",   all,                 F::RealDouble, element<&S::station_increment, 0>,           kNone},
    SettingsLine{"station increment Wheel",  all,                 F::RealDouble, element<&S::station_increment, 1>,           kNone},
    SettingsLine{"station increment Manual", all,                 F::RealDouble, element<&S::station_increment, 2>,           kNone},
    SettingsLine{"reading interval",         all,                 F::RealFloat,  field<&S::reading_interval>,                 kNone},
    SettingsLine{"survey line",              all,                 F::Text,       field<&S::line_name>,                        kNone},
    SettingsLine{"line increment",           all,                 F::RealDouble, field<&S::line_increment>,                   kNone},
    SettingsLine{"sequence",                 all,                 F::Integer,    field<&S::sequence>,                         range(0, 1)},
    SettingsLine{"direction",                all,                 F::Integer,    field<&S::direction>,                        range(0, 3)},
    SettingsLine{"start station",            all,                 F::RealDouble, field<&S::start_station>,                    kNone},
    SettingsLine{"coordinates",              all,                 F::Integer,    field<&S::coordinates>,                      kNone},
    SettingsLine{"current symbol size",      all,                 F::Integer,    element<&S::map_symbol_size, 0>,             range(0, 5)},
    SettingsLine{"saved symbol size",        all,                 F::Integer,    element<&S::map_symbol_size, 1>,             range(0, 5)},
    SettingsLine{"external symbol size",     all,                 F::Integer,    element<&S::map_symbol_size, 2>,             range(0, 5)},
    SettingsLine{"current position colour",  all,                 F::Long,       element<&S::map_colour, 0>,                  kNone},
    SettingsLine{"saved position colour",    all,                 F::Long,       element<&S::map_colour, 1>,                  kNone},
    SettingsLine{"external position colour", all,                 F::Long,       element<&S::map_colour, 2>,                  kNone},
    SettingsLine{"ASCII north column",       all,                 F::Integer,    field<&S::ascii_north_column>,               kNone},
    SettingsLine{"ASCII east column",        all,                 F::Integer,    field<&S::ascii_east_column>,                kNone},
    SettingsLine{"ASCII delimiter",          all,                 F::Integer,    field<&S::ascii_delimiter>,                  kNone},
    SettingsLine{"grid interval",            all,                 F::RealFloat,  field<&S::grid_interval>,                    kNone},
    SettingsLine{"map scale",                all,                 F::Long,       field<&S::map_scale>,                        kNone},
    SettingsLine{"map scroll margin",        all,                 F::Integer,    field<&S::map_scroll_margin>,                kNone},
    SettingsLine{"GPS warning",              all,                 F::Integer,    field<&S::gps_warning>,                      kNone},
    SettingsLine{"GPS minimum quality",      all,                 F::Integer,    field<&S::gps_min_quality>,                  kNone},
    SettingsLine{"minimum satellites",       all,                 F::Long,       field<&S::min_satellites>,                   kNone},
    SettingsLine{"maximum PDOP",             all,                 F::RealFloat,  field<&S::max_pdop>,                         kNone},
    SettingsLine{"GPS X offset",             all,                 F::RealFloat,  field<&S::gps_x_offset>,                     kNone},
    SettingsLine{"GPS Y offset",             all,                 F::RealFloat,  field<&S::gps_y_offset>,                     kNone},
    SettingsLine{"G823 sensor 1 offset",     g823,                F::RealFloat,  element<&S::g823_sensor_offset, 0>,          kNone},
    SettingsLine{"G823 sensor 2 offset",     g823,                F::RealFloat,  element<&S::g823_sensor_offset, 1>,          kNone},
    SettingsLine{"G823 sensor 3 offset",     g823,                F::RealFloat,  element<&S::g823_sensor_offset, 2>,          kNone},
    SettingsLine{"G823 sensor 4 offset",     g823,                F::RealFloat,  element<&S::g823_sensor_offset, 3>,          kNone},
    SettingsLine{"G823 sensor 5 offset",     g823,                F::RealFloat,  element<&S::g823_sensor_offset, 4>,          kNone},
    SettingsLine{"G823 sensor 6 offset",     g823,                F::RealFloat,  element<&S::g823_sensor_offset, 5>,          kNone},
    SettingsLine{"soft marker",              em38mk2_or_em61mk2,  F::Integer,    field<&S::soft_marker>,                      kNone},
    SettingsLine{"marker port",              em38mk2,             F::Integer,    field<&S::marker_port>,                      kNone},
    SettingsLine{"output enabled",           em38mk2,             F::Integer,    field<&S::output_enabled>,                   kNone},
    SettingsLine{"output tag data",          em38mk2,             F::Integer,    field<&S::output_tag_data>,                  kNone},
    SettingsLine{"output port",              em38mk2,             F::Integer,    field<&S::output_port>,                      kNone},
    SettingsLine{"output baud rate",         em38mk2,             F::Integer,    field<&S::output_baud_index>,                kNone},
    SettingsLine{"output data bits",         em38mk2,             F::Integer,    field<&S::output_data_bits>,                 kNone},
    SettingsLine{"output parity",            em38mk2,             F::Integer,    field<&S::output_parity>,                    kNone},
    SettingsLine{"output stop bits",         em38mk2,             F::Integer,    field<&S::output_stop_bits>,                 kNone},
    // Written twice from the same value; on loading this later line is the one that stays.
    SettingsLine{"soft keyboard again",      all,                 F::Integer,    field<&S::soft_keyboard>,                    kNone},
    SettingsLine{"RTS pGGA units",           all,                 F::Integer,    field<&S::rts_pgga_units>,                   kNone},
    SettingsLine{"RTS Trimble units",        all,                 F::Integer,    field<&S::rts_trimble_units>,                kNone},
    SettingsLine{"ChD factor",               blu,                 F::RealDouble, field<&S::chd_factor>,                       kNone},
};
// clang-format on

}  // namespace

std::span<const SettingsLine> settings_lines() { return kLines; }

bool passes_check(const LineCheck& check, const Settings& settings, SettingRef value) {
    switch (check.kind) {
    case CheckKind::None: return true;
    case CheckKind::Range: {
        int* const* v = std::get_if<int*>(&value);
        return v != nullptr && **v >= check.low && **v <= check.high;
    }
    case CheckKind::Above: {
        float* const* v = std::get_if<float*>(&value);
        return v != nullptr && check.lower_limit != nullptr && **v > settings.*check.lower_limit;
    }
    }
    return false;
}

}  // namespace zel
