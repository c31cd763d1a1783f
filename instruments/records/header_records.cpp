#include "instruments/records/header_records.h"

#include <algorithm>
#include <span>

#include "instruments/records/record_fields.h"

namespace zel {

using namespace record_fields;

namespace {

// What the tag line holds after "GPS"/"GRD", one column each, per type.
enum class TagItem {
    Units,
    Blank,
    Mode,
    Sensors,
    SensorSize,
    DipoleMode,
    EmMode,
    Em31Type,
    Em38Mk2Type,
    OrientationDigit,  // "3" portrait, "2" landscape
    VariantSuffix,     // two blanks and the variant digit, only for a non-zero variant
};

using enum TagItem;
constexpr TagItem kFerexTag[] = {Units, SensorSize, Mode};
constexpr TagItem kGrad601Tag[] = {Units, Blank, Mode, Blank, Sensors};
constexpr TagItem kG823Tag[] = {Units, Blank, Mode, Blank, Sensors, Blank, Blank, OrientationDigit};
constexpr TagItem kEm61Tag[] = {Units, SensorSize, Mode};
constexpr TagItem kEm61Mk2Tag[] = {Units, SensorSize, Mode, VariantSuffix};
constexpr TagItem kEm31Tag[] = {Units, DipoleMode, Mode, EmMode, Em31Type};
constexpr TagItem kEm38Tag[] = {Units, DipoleMode, Mode, EmMode};
constexpr TagItem kEm38Mk2Tag[] = {Units, DipoleMode, Mode, EmMode, Em38Mk2Type, Blank, Blank, OrientationDigit};

struct TagLayout {
    InstrumentType type;
    std::span<const TagItem> items;
};

// Types 4, 5 and 6 have no tag: their tag line is left blank.
constexpr TagLayout kTagLayouts[] = {
    {InstrumentType::Ferex, kFerexTag},   {InstrumentType::Grad601, kGrad601Tag},
    {InstrumentType::G823, kG823Tag},     {InstrumentType::Em61, kEm61Tag},
    {InstrumentType::Em61Mk2, kEm61Mk2Tag}, {InstrumentType::Em31, kEm31Tag},
    {InstrumentType::Em38B, kEm38Tag},    {InstrumentType::Em38Dd, kEm38Tag},
    {InstrumentType::Em38, kEm38Tag},     {InstrumentType::Em38Mk2, kEm38Mk2Tag},
};

const TagLayout* tag_layout(InstrumentType type) {
    const auto* found = std::find_if(std::begin(kTagLayouts), std::end(kTagLayouts),
                                     [type](const TagLayout& layout) { return layout.type == type; });
    return found == std::end(kTagLayouts) ? nullptr : found;
}

char orientation_digit(Orientation orientation) { return orientation == Orientation::Portrait ? '3' : '2'; }

// Writes one item at column; returns the column after it.
std::size_t put_tag_item(std::span<char> r, std::size_t column, TagItem item, const HeaderValues& v) {
    switch (item) {
    case Units: put_digit(r, column, v.units); break;
    case Blank: break;
    case Mode: put_digit(r, column, static_cast<int>(v.survey_mode)); break;
    case Sensors: put_digit(r, column, v.sensor_count); break;
    case SensorSize: put_digit(r, column, v.sensor_size); break;
    case DipoleMode: put_digit(r, column, v.dipole_mode); break;
    case EmMode: put_digit(r, column, v.em_mode); break;
    case Em31Type: put_digit(r, column, v.em31_type); break;
    case Em38Mk2Type: put_digit(r, column, v.em38mk2_type); break;
    case OrientationDigit: put(r, column, std::string(1, orientation_digit(v.orientation))); break;
    case VariantSuffix:
        if (v.em61mk2_variant == 0) return column;
        put_digit(r, column + 2, v.em61mk2_variant);
        return column + 3;
    }
    return column + 1;
}

// Column 19 of the GPS-setup line: the sentence-type setting, but 8 is written as 9.
int written_sentence_type(int sentence_type) { return sentence_type == 8 ? 9 : sentence_type; }

}  // namespace

template <std::size_t R>
Record<R> tag_line(const HeaderValues& v) {
    auto r = blank_record<R>();
    const TagLayout* layout = tag_layout(v.type);
    if (layout == nullptr) return r;
    put_padded(r, 0, v.header_tag, 9);
    put_padded(r, 9, v.version_digits, 3);
    put(r, 12, v.gps_enabled ? "GPS" : "GRD");
    std::size_t column = 15;
    for (const TagItem item : layout->items) column = put_tag_item(r, column, item, v);
    // then blanks up to column R-2
    return r;
}

template <std::size_t R>
Record<R> file_name_line(const HeaderValues& v) {
    auto r = blank_record<R>();
    put(r, 0, "Hm");
    put_padded(r, 2, v.base_name, 9);
    // columns 11..17: the station spacing of the working survey mode
    switch (v.survey_mode) {
    case SurveyMode::Auto: put(r, 11, fixed(v.reading_interval_s, 7, 3)); break;
    case SurveyMode::Wheel: put(r, 11, fixed(v.wheel_increment, 7, 3)); break;
    case SurveyMode::Manual:
        if (type_number(v.type) >= 0)
            put(r, 11, integer(v.samples_per_reading, 7));
        else
            put(r, 11, fixed(v.manual_increment, 7, 3));
        break;
    }
    // then blanks up to column R-2
    return r;
}

template <std::size_t R>
Record<R> gps_setup_line(const HeaderValues& v) {
    auto r = blank_record<R>();
    put(r, 0, "G");
    put(r, 1, fixed(v.gps_x_offset, 7, 2));
    put(r, 8, fixed(v.gps_y_offset, 7, 2));
    if (v.type == InstrumentType::Em61Mk2)
        put_digit(r, 15, v.minelab_f3 ? v.f3_decimation : v.em61mk2_output_flag);
    if (v.storage_location != 0) put(r, 16, std::string(1, orientation_digit(v.orientation)));
    if (v.gps_sentence_type == 7) put_digit(r, 17, v.rts_pgga_units);
    if (v.gps_sentence_type == 8) put_digit(r, 17, v.rts_trimble_units);
    put_digit(r, 18, v.max_gps_display);
    put_digit(r, 19, written_sentence_type(v.gps_sentence_type));
    put_digit(r, 20, v.instrument_enabled && v.gps_enabled ? 1 : 0);
    // then blanks up to column R-2
    return r;
}

Record<kLongRecord> g823_offset_record(double first_sensor, double second_sensor) {
    auto r = blank_record<kLongRecord>();
    put(r, 0, "G");
    put(r, 1, fixed(first_sensor, 7, 2));
    put(r, 8, fixed(second_sensor, 7, 2));
    // columns 15..25: blanks
    return r;
}

Record<kLongRecord> header_offset_record(double current_offset) {
    auto r = blank_record<kLongRecord>();
    put(r, 0, "O");
    put(r, 1, fixed(current_offset, 9, 2));
    // columns 10..25: blanks
    return r;
}

Record<kLongRecord> em38mk2_calibration_record(int number, double first, double second) {
    auto r = blank_record<kLongRecord>();
    put(r, 0, "O");
    put_digit(r, 1, number);
    put(r, 2, fixed(first, 10, 3));
    // column 12: blank
    put(r, 13, fixed(second, 10, 3));
    // columns 23..25: blanks
    return r;
}

namespace {

void append_further_records(RecordBlock<kLongRecord>& block, const HeaderValues& v) {
    switch (v.type) {
    case InstrumentType::G823:
        for (std::size_t sensor = 0; sensor < 6; sensor += 2)
            block.push_back(g823_offset_record(v.g823_sensor_offsets[sensor], v.g823_sensor_offsets[sensor + 1]));
        break;
    case InstrumentType::Em61:
    case InstrumentType::Em61Mk2:
        for (const double offset : v.channel_offsets) block.push_back(header_offset_record(offset));
        break;
    case InstrumentType::Em38Mk2:
        for (int k = 0; k < 6; ++k)
            block.push_back(em38mk2_calibration_record(k + 1, v.em38mk2_calibration[k][0], v.em38mk2_calibration[k][1]));
        break;
    default: break;
    }
}

}  // namespace

template <std::size_t R>
RecordBlock<R> header_block(const HeaderValues& v) {
    RecordBlock<R> block{tag_line<R>(v), file_name_line<R>(v), gps_setup_line<R>(v)};
    // Only 27-byte types have further header records.
    if constexpr (R == kLongRecord) append_further_records(block, v);
    return block;
}

template Record<kLongRecord> tag_line<kLongRecord>(const HeaderValues&);
template Record<kShortRecord> tag_line<kShortRecord>(const HeaderValues&);
template Record<kLongRecord> file_name_line<kLongRecord>(const HeaderValues&);
template Record<kShortRecord> file_name_line<kShortRecord>(const HeaderValues&);
template Record<kLongRecord> gps_setup_line<kLongRecord>(const HeaderValues&);
template Record<kShortRecord> gps_setup_line<kShortRecord>(const HeaderValues&);
template RecordBlock<kLongRecord> header_block<kLongRecord>(const HeaderValues&);
template RecordBlock<kShortRecord> header_block<kShortRecord>(const HeaderValues&);

}  // namespace zel
