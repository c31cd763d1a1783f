#include "app/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace zel {
namespace {

using namespace std::string_literals;
using Text = std::optional<std::string_view>;

BuildConfig build_of(InstrumentType type) { return BuildConfig{.type = type}; }

std::string show(InstrumentType t) { return "type " + std::to_string(type_number(t)); }

struct IdentityCase {
    InstrumentType type;
    Text model, settings_file, version, folder, extension, filter_label, tag, digits, port, failure, splash_qvga_portrait;
};

// clang-format off
const IdentityCase kIdentity[] = {
    {InstrumentType::Ferex,   "Ferex",    "ZFX.INI",      "3.12", "DATAZELFX",    "FRX", "ZEL Files (*.FRX)",      "ZELFX   W", "312", "Ferex Port",    "Cannot open FEREX port",    "STATICZELFXVER_Q"},
    {InstrumentType::Grad601, "GRAD601",  "Z601CX.INI",   "3.27", "DATAZEL601",   "601", "ZEL Files (*.601)",      "ZEL601  W", "327", "GRAD601 Port",  "Cannot open GRAD601 port",  "STATICZEL601VER_Q"},
    {InstrumentType::G823,    "G823",     "Z823CX.INI",   "2.02", "DATAZEL823",   "823", "ZEL823 Files (*.823)",   "ZEL823  W", "202", "G823 Port",     "Cannot open G823 port",     "STATICZEL823VER_Q"},
    {InstrumentType::Em61,    "EM61",     "Z61CX.INI",    "1.81", "DATAZEL61",    "H61", "ZEL61 Files (*.H61)",    "ZEL61   W", "181", "EM61 Port",     "Cannot open EM61 port",     "STATICZEL61"},
    {InstrumentType::Em61Mk2, "EM61-MK2", "Z61MK2CX.INI", "3.27", "DATAZEL61MK2", "P61", "ZEL61MK2 Files (*.P61)", "ZELMK2  W", "327", "EM61-MK2 Port", "Cannot open EM61-MK2 port", "STATICZEL61MK2VER_Q"},
    {InstrumentType::Em31,    "EM31",     "Z31CX.INI",    "3.24", "DATAZEL31",    "H31", "ZEL31 Files (*.H31)",    "ZEL31   W", "324", "EM31 Port",     "Cannot open EM31 port",     "STATICZEL31VER_Q"},
    {InstrumentType::Em38B,   "EM38B",    "Z38BCX.INI",   "2.03", "DATAZEL38B",   "38B", "ZEL38B Files (*.38B)",   "ZEL38B  W", "203", "EM38B Port",    "Cannot open EM38B port",    "STATICZEL38BVER_Q"},
    {InstrumentType::Em38Dd,  "EM38-DD",  "Z38DCX.INI",   "1.81", "DATAZEL38D",   "38D", "ZEL38D Files (*.38D)",   "ZEL38D  W", "181", "EM38-DD Port",  "Cannot open EM38-DD port",  "STATICZEL38DDVER_Q"},
    {InstrumentType::Em38,    "EM38",     "Z38CX.INI",    "3.13", "DATAZEL38",    "H38", "ZEL38 Files (*.H38)",    "ZEL38   W", "313", "EM38 Port",     "Cannot open EM38 port",     "STATICZEL38VER_Q"},
    {InstrumentType::Em34_3,  "EM34-3",   {},             {},     {},             {},    {},                       {},          {},    "EM34-3 Port",   {},                          {}},
    {InstrumentType::Type5,   {},         {},             {},     {},             {},    {},                       {},          {},    {},              {},                          {}},
    {InstrumentType::Ice31,   "ICE31",    {},             {},     {},             {},    {},                       {},          {},    "ICE31 Port",    {},                          {}},
    {InstrumentType::Em38Mk2, "EM38-MK2", "Z38MK2CX.INI", "3.27", "DATAZEL38MK2", "382", "ZEL38 Files (*.382)",    "ZEL382  W", "327", "EM38-MK2 Port", "Cannot open EM38-MK2 port", "STATICZEL38MK2VER_Q"},
};
// clang-format on

std::optional<std::string> expected_filter(Text label, Text extension) {
    if (!label) return std::nullopt;
    return std::string(*label) + '\0' + "*." + std::string(*extension) + '\0' + '\0';
}

TEST(Catalogue, EveryTypeHasItsIdentityAndNamesAndTypesFourToSixHaveNone) {
    for (const IdentityCase& c : kIdentity) {
        SCOPED_TRACE(show(c.type));
        BuildConfig b = build_of(c.type);
        EXPECT_EQ(model_name(b), c.model);
        EXPECT_EQ(settings_file_name(b), c.settings_file);
        EXPECT_EQ(settings_version(b), c.version);
        EXPECT_EQ(data_folder(b), c.folder);
        EXPECT_EQ(data_extension(b, InstrumentUse::Enabled), c.extension);
        EXPECT_EQ(data_filter(b, InstrumentUse::Enabled), expected_filter(c.filter_label, c.extension));
        EXPECT_EQ(header_tag(b, 0), c.tag);
        EXPECT_EQ(header_version_digits(b), c.digits);
        EXPECT_EQ(port_label(b), c.port);
        EXPECT_EQ(open_port_failure_text(b, 0), c.failure);
        EXPECT_EQ(splash_bitmap(b, Orientation::Portrait, ScreenClass::QuarterVga), c.splash_qvga_portrait);
        if (c.version) {
            EXPECT_EQ(settings_version_line(b), "Ver" + std::string(*c.version));
            EXPECT_EQ(start_screen_version_text(b), "V " + std::string(*c.version) + "wm");
        } else {
            EXPECT_EQ(settings_version_line(b), std::nullopt);
            EXPECT_EQ(start_screen_version_text(b), std::nullopt);
        }
        if (c.tag) {
            EXPECT_EQ(c.tag->size(), 9u);
        }
    }
}

TEST(Catalogue, Grad601BuildNamesItsFilesAndPort) {
    EXPECT_EQ(settings_version_line(kGrad601Build), "Ver3.27");
    EXPECT_EQ(start_screen_version_text(kGrad601Build), "V 3.27wm");
    EXPECT_EQ(data_filter(kGrad601Build, InstrumentUse::Enabled), "ZEL Files (*.601)\0*.601\0\0"s);
    EXPECT_EQ(data_filter(kGrad601Build, InstrumentUse::Enabled)->size(), 25u);
}

TEST(Catalogue, DisabledInstrumentWritesGxyFilesInTheTypesOwnFolder) {
    for (const IdentityCase& c : kIdentity) {
        SCOPED_TRACE(show(c.type));
        BuildConfig b = build_of(c.type);
        EXPECT_EQ(data_extension(b, InstrumentUse::Disabled), "GXY");
        EXPECT_EQ(data_filter(b, InstrumentUse::Disabled), "ZELGXY Files (*.GXY)\0*.GXY\0\0"s);
        EXPECT_EQ(data_folder(b), c.folder);
    }
}

struct Em61Mk2Case {
    const char* name;
    BuildConfig build;
    int em61mk2_type;
    Text settings_file, port, tag, failure, splash_landscape_vga, start_name;
};

constexpr BuildConfig kMk2{.type = InstrumentType::Em61Mk2};
constexpr BuildConfig kF3{.type = InstrumentType::Em61Mk2, .em61_f3 = true};
constexpr BuildConfig kBlu{.type = InstrumentType::Em61Mk2, .em61mk2_variant = 3};
constexpr BuildConfig kVariant2{.type = InstrumentType::Em61Mk2, .em61mk2_variant = 2};

TEST(Catalogue, Em61Mk2SwitchesAndTypeSettingChooseItsNames) {
    // clang-format off
    const Em61Mk2Case cases[] = {
        {"standard",      kMk2,      0, "Z61MK2CX.INI", "EM61-MK2 Port", "ZELMK2  W", "Cannot open EM61-MK2 port",   "STATICZEL61MK2HOR_VGA", {}},
        {"high power",    kMk2,      1, "Z61MK2CX.INI", "EM61-MK2 Port", "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61MK2HOR_VGA", {}},
        {"variant 2",     kVariant2, 0, "Z61MK2CX.INI", "EM61-MK2 Port", "ZELMK2  W", "Cannot open EM61-MK2 port",   "STATICZEL61MK2HOR_VGA", {}},
        {"BLU",           kBlu,      1, "Z61BLU.INI",   "EM61-MK2 Port", "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61MK2HOR_VGA", {}},
        {"F3 switch, 0",  kF3,       0, "Z61F3CX.INI",  "EM61/F3 Port",  "ZELMK2  W", "Cannot open EM61-MK2 port",   "STATICZEL61F3HOR_VGA",  "EM61-MK2"},
        {"F3 switch, 1",  kF3,       1, "Z61F3CX.INI",  "EM61/F3 Port",  "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61F3HOR_VGA",  "EM61-MK2 HP"},
        {"F3 switch, 2",  kF3,       2, "Z61F3CX.INI",  "EM61/F3 Port",  "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61F3HOR_VGA",  "EM61-MK2 NCC"},
        {"F3 switch, 3",  kF3,       3, "Z61F3CX.INI",  "EM61/F3 Port",  "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61F3HOR_VGA",  "EM61 HP NCC"},
        {"MineLab F3",    kF3,       4, "Z61F3CX.INI",  "EM61/F3 Port",  "ZELF3   W", "Cannot open MINELAB F3 port", "STATICZEL61F3HOR_VGA",  "MineLab F3"},
        {"F3 switch, 5",  kF3,       5, "Z61F3CX.INI",  "EM61/F3 Port",  "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61F3HOR_VGA",  {}},
        {"4 without F3",  kMk2,      4, "Z61MK2CX.INI", "EM61-MK2 Port", "ZELMK2H W", "Cannot open EM61-MK2 port",   "STATICZEL61MK2HOR_VGA", {}},
    };
    // clang-format on
    for (const Em61Mk2Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(settings_file_name(c.build), c.settings_file);
        EXPECT_EQ(settings_version(c.build), "3.27");
        EXPECT_EQ(port_label(c.build), c.port);
        EXPECT_EQ(header_tag(c.build, c.em61mk2_type), c.tag);
        EXPECT_EQ(open_port_failure_text(c.build, c.em61mk2_type), c.failure);
        EXPECT_EQ(splash_bitmap(c.build, Orientation::Landscape, ScreenClass::Vga), c.splash_landscape_vga);
        EXPECT_EQ(start_screen_model_name(c.build, c.em61mk2_type), c.start_name);
        EXPECT_EQ(is_minelab_f3(c.build, c.em61mk2_type), std::string(c.name) == "MineLab F3");
    }
}

TEST(Catalogue, OnlyTheMineLabF3SettingOfTypeMinusOneIsAnF3) {
    EXPECT_FALSE(is_minelab_f3(BuildConfig{.type = InstrumentType::Em61, .em61_f3 = true}, 4));
    EXPECT_EQ(header_tag(BuildConfig{.type = InstrumentType::Em61}, 1), "ZEL61   W");
}

TEST(Catalogue, BitmapNamesFollowOrientationAndScreenClass) {
    struct Case {
        Orientation orientation;
        ScreenClass screen;
        const char* splash;
        const char* company;
        const char* logo;
    };
    const Case cases[] = {
        {Orientation::Portrait, ScreenClass::QuarterVga, "STATICZEL601VER_Q", "STATICCOMPANY_QV", "STATICKPX_QV"},
        {Orientation::Landscape, ScreenClass::QuarterVga, "STATICZEL601HOR_Q", "STATICCOMPANY_QH", "STATICKPX_QH"},
        {Orientation::Portrait, ScreenClass::Vga, "STATICZEL601VER_VGA", "STATICCOMPANY_VGAV", "STATICKPX_VGAV"},
        {Orientation::Landscape, ScreenClass::Vga, "STATICZEL601HOR_VGA", "STATICCOMPANY_VGAH", "STATICKPX_VGAH"},
        {Orientation::Landscape, ScreenClass::Larger, "STATICZEL601HOR_VGA", "STATICCOMPANY_VGAH", "STATICKPX_VGAH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.splash);
        EXPECT_EQ(splash_bitmap(kGrad601Build, c.orientation, c.screen), c.splash);
        EXPECT_EQ(splash_bitmap(build_of(InstrumentType::Em61), c.orientation, c.screen), "STATICZEL61");
        EXPECT_EQ(company_bitmap(c.orientation, c.screen), c.company);
        EXPECT_EQ(logo_bitmap(c.orientation, c.screen), c.logo);
    }
}

TEST(Catalogue, SimulationAndAlternativeReaderSwitchesMarkTheVersionText) {
    const std::pair<BuildConfig, const char*> cases[] = {
        {kGrad601Build, "V 3.27wm"},
        {kGrad601SimBuild, "V 3.27wm SYMULATOR"},
        {BuildConfig{.type = InstrumentType::Em38, .alt_em38_reader = true}, "V 3.13wm SYMULATOR"},
        {BuildConfig{.gps_simulation = {.satellites = true}}, "V 3.27wm SYMULATOR"},
        {BuildConfig{.gps_simulation = {.walk = true}}, "V 3.27wm SYMULATOR"},
        {kF3, "V 3.27wm"},
    };
    for (const auto& [build, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(start_screen_version_text(build), text);
    }
    EXPECT_EQ(version_suffix(kGrad601Build), "");
    EXPECT_EQ(version_suffix(kGrad601SimBuild), " SYMULATOR");
}

TEST(Catalogue, RecordLengthIs24OnlyForTypesZeroToSix) {
    for (int t = -5; t <= 7; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(record_length(build_of(static_cast<InstrumentType>(t))), (t >= 0 && t <= 6) ? 24 : 27);
    }
}

}  // namespace
}  // namespace zel
