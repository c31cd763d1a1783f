#include "app/catalogue/catalogue.h"

#include <array>

namespace zel {
namespace {

using Text = std::optional<std::string_view>;

// Per type: identity, settings and data files, and the names the operator sees. Type -1 is the
// EM61-MK2 row; its EM61/F3, BLU and MineLab F3 variants are applied by the lookups below.
struct TypeRow {
    InstrumentType type;
    Text model;
    Text settings_file;
    Text settings_version;
    Text data_folder;
    Text extension;
    Text filter_label;
    Text header_tag;
    Text header_digits;
    Text port_label;
    Text open_port_failure;
    Text splash_stem;
};

// clang-format off
constexpr std::array kTypes{
    //      type                      model       settings file   ver     data folder      ext    filter label               header tag   digits  port label        open-port failure text        splash stem
    TypeRow{InstrumentType::Ferex,    "Ferex",    "ZFX.INI",      "3.12", "DATAZELFX",     "FRX", "ZEL Files (*.FRX)",       "ZELFX   W", "312",  "Ferex Port",    "Cannot open FEREX port",    "STATICZELFX"},
    TypeRow{InstrumentType::Grad601,  "GRAD601",  "Z601CX.INI",   "3.27", "DATAZEL601",    "601", "ZEL Files (*.601)",       "ZEL601  W", "327",  "GRAD601 Port",  "Cannot open GRAD601 port",  "STATICZEL601"},
    TypeRow{InstrumentType::G823,     "G823",     "Z823CX.INI",   "2.02", "DATAZEL823",    "823", "ZEL823 Files (*.823)",    "ZEL823  W", "202",  "G823 Port",     "Cannot open G823 port",     "STATICZEL823"},
    TypeRow{InstrumentType::Em61,     "EM61",     "Z61CX.INI",    "1.81", "DATAZEL61",     "H61", "ZEL61 Files (*.H61)",     "ZEL61   W", "181",  "EM61 Port",     "Cannot open EM61 port",     "STATICZEL61"},
    TypeRow{InstrumentType::Em61Mk2,  "EM61-MK2", "Z61MK2CX.INI", "3.27", "DATAZEL61MK2",  "P61", "ZEL61MK2 Files (*.P61)",  "ZELMK2  W", "327",  "EM61-MK2 Port", "Cannot open EM61-MK2 port", "STATICZEL61MK2"},
    TypeRow{InstrumentType::Em31,     "EM31",     "Z31CX.INI",    "3.24", "DATAZEL31",     "H31", "ZEL31 Files (*.H31)",     "ZEL31   W", "324",  "EM31 Port",     "Cannot open EM31 port",     "STATICZEL31"},
    TypeRow{InstrumentType::Em38B,    "EM38B",    "Z38BCX.INI",   "2.03", "DATAZEL38B",    "38B", "ZEL38B Files (*.38B)",    "ZEL38B  W", "203",  "EM38B Port",    "Cannot open EM38B port",    "STATICZEL38B"},
    TypeRow{InstrumentType::Em38Dd,   "EM38-DD",  "Z38DCX.INI",   "1.81", "DATAZEL38D",    "38D", "ZEL38D Files (*.38D)",    "ZEL38D  W", "181",  "EM38-DD Port",  "Cannot open EM38-DD port",  "STATICZEL38DD"},
    TypeRow{InstrumentType::Em38,     "EM38",     "Z38CX.INI",    "3.13", "DATAZEL38",     "H38", "ZEL38 Files (*.H38)",     "ZEL38   W", "313",  "EM38 Port",     "Cannot open EM38 port",     "STATICZEL38"},
    TypeRow{InstrumentType::Em34_3,   "EM34-3",   {},             {},     {},              {},    {},                        {},          {},     "EM34-3 Port",   {},                          {}},
    TypeRow{InstrumentType::Type5,    {},         {},             {},     {},              {},    {},                        {},          {},     {},              {},                          {}},
    TypeRow{InstrumentType::Ice31,    "ICE31",    {},             {},     {},              {},    {},                        {},          {},     "ICE31 Port",    {},                          {}},
    TypeRow{InstrumentType::Em38Mk2,  "EM38-MK2", "Z38MK2CX.INI", "3.27", "DATAZEL38MK2",  "382", "ZEL38 Files (*.382)",     "ZEL382  W", "327",  "EM38-MK2 Port", "Cannot open EM38-MK2 port", "STATICZEL38MK2"},
};
// clang-format on

constexpr std::string_view kDisabledExtension = "GXY";
constexpr std::string_view kDisabledFilterLabel = "ZELGXY Files (*.GXY)";

// Start-screen model names of an EM61/F3 build, indexed by the EM61-MK2 type setting.
constexpr std::array<std::string_view, 5> kEm61F3ModelNames{
    "EM61-MK2", "EM61-MK2 HP", "EM61-MK2 NCC", "EM61 HP NCC", "MineLab F3"};

const TypeRow& row(const BuildConfig& build) {
    for (const TypeRow& r : kTypes)
        if (r.type == build.type) return r;
    return kTypes[1];  // unreachable for a valid InstrumentType
}

bool is_em61mk2(const BuildConfig& build) { return build.type == InstrumentType::Em61Mk2; }

std::string_view orientation_word(Orientation o) { return o == Orientation::Portrait ? "VER" : "HOR"; }

std::string bitmap_suffix_qv(Orientation orientation, ScreenClass screen) {
    std::string suffix = screen == ScreenClass::QuarterVga ? "Q" : "VGA";
    suffix += orientation == Orientation::Portrait ? "V" : "H";
    return suffix;
}

}  // namespace

bool is_minelab_f3(const BuildConfig& build, int em61mk2_type) {
    return is_em61mk2(build) && build.em61_f3 && em61mk2_type == kEm61Mk2TypeMineLabF3;
}

std::optional<std::string_view> model_name(const BuildConfig& build) { return row(build).model; }

std::optional<std::string_view> start_screen_model_name(const BuildConfig& build, int em61mk2_type) {
    if (!is_em61mk2(build) || !build.em61_f3) return std::nullopt;
    if (em61mk2_type < 0 || em61mk2_type >= static_cast<int>(kEm61F3ModelNames.size())) return std::nullopt;
    return kEm61F3ModelNames[static_cast<std::size_t>(em61mk2_type)];
}

std::optional<std::string_view> settings_file_name(const BuildConfig& build) {
    if (build.is_blu()) return "Z61BLU.INI";
    if (is_em61mk2(build) && build.em61_f3) return "Z61F3CX.INI";
    return row(build).settings_file;
}

std::optional<std::string_view> settings_version(const BuildConfig& build) { return row(build).settings_version; }

std::optional<std::string> settings_version_line(const BuildConfig& build) {
    Text version = settings_version(build);
    if (!version) return std::nullopt;
    return "Ver" + std::string(*version);
}

std::string_view version_suffix(const BuildConfig& build) {
    return build.any_simulation() ? " SYMULATOR" : "";
}

std::optional<std::string> start_screen_version_text(const BuildConfig& build) {
    Text version = settings_version(build);
    if (!version) return std::nullopt;
    return "V " + std::string(*version) + "wm" + std::string(version_suffix(build));
}

std::optional<std::string_view> data_folder(const BuildConfig& build) { return row(build).data_folder; }

std::optional<std::string_view> data_extension(const BuildConfig& build, InstrumentUse use) {
    if (use == InstrumentUse::Disabled) return kDisabledExtension;
    return row(build).extension;
}

std::optional<std::string> data_filter(const BuildConfig& build, InstrumentUse use) {
    Text label = use == InstrumentUse::Disabled ? Text(kDisabledFilterLabel) : row(build).filter_label;
    Text extension = data_extension(build, use);
    if (!label || !extension) return std::nullopt;
    std::string filter(*label);
    filter += '\0';
    filter += "*.";
    filter += *extension;
    filter += '\0';
    filter += '\0';
    return filter;
}

std::optional<std::string_view> header_tag(const BuildConfig& build, int em61mk2_type) {
    if (is_minelab_f3(build, em61mk2_type)) return "ZELF3   W";
    if (is_em61mk2(build) && em61mk2_type != 0) return "ZELMK2H W";
    return row(build).header_tag;
}

std::optional<std::string_view> header_version_digits(const BuildConfig& build) { return row(build).header_digits; }

int record_length(const BuildConfig& build) {
    int type = type_number(build.type);
    return (type >= 0 && type <= 6) ? 24 : 27;
}

std::optional<std::string_view> port_label(const BuildConfig& build) {
    if (is_em61mk2(build) && build.em61_f3) return "EM61/F3 Port";
    return row(build).port_label;
}

std::optional<std::string_view> open_port_failure_text(const BuildConfig& build, int em61mk2_type) {
    if (is_minelab_f3(build, em61mk2_type)) return "Cannot open MINELAB F3 port";
    return row(build).open_port_failure;
}

std::optional<std::string> splash_bitmap(const BuildConfig& build, Orientation orientation, ScreenClass screen) {
    Text stem = (is_em61mk2(build) && build.em61_f3) ? Text("STATICZEL61F3") : row(build).splash_stem;
    if (!stem) return std::nullopt;
    // The EM61 carries one bitmap for every screen.
    if (build.type == InstrumentType::Em61) return std::string(*stem);
    std::string name(*stem);
    name += orientation_word(orientation);
    name += screen == ScreenClass::QuarterVga ? "_Q" : "_VGA";
    return name;
}

std::string company_bitmap(Orientation orientation, ScreenClass screen) {
    return "STATICCOMPANY_" + bitmap_suffix_qv(orientation, screen);
}

std::string logo_bitmap(Orientation orientation, ScreenClass screen) {
    return "STATICKPX_" + bitmap_suffix_qv(orientation, screen);
}

}  // namespace zel
