#include "app/catalogue/dialog_templates.h"

#include <algorithm>
#include <array>

namespace zel {
namespace {

using Text = std::optional<std::string_view>;

struct TemplatePair {
    Text portrait;
    Text landscape;
};

struct TemplateRow {
    InstrumentType type;
    TemplatePair survey;
    TemplatePair system;
    TemplatePair logger;
};

constexpr TemplatePair both(std::string_view name) { return {name, name}; }

constexpr TemplatePair kLogger{"GetLoggerSetupV", "GetLoggerSetup"};
constexpr TemplatePair kSystem31{"GetSystemSetup31V", "GetSystemSetup31"};
constexpr TemplatePair kSystem38{"GetSystemSetup38V", "GetSystemSetup38"};
constexpr TemplatePair kSurvey61{"GetSurveySetup61V", "GetSurveySetup61H"};
constexpr TemplatePair kSurvey31{"GetSurveySetup31V", "GetSurveySetup31H"};
constexpr TemplatePair kSurvey38B{"GetSurveySetup38BV", "GetSurveySetup38BH"};

// clang-format off
constexpr std::array kTemplates{
    //          type                      survey setup                    system setup                                          logger setup
    TemplateRow{InstrumentType::Ferex,    both("GetSurveySetupBAR"),      kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Grad601,  both("GetSurveySetupBAR"),      kSystem31,                                            kLogger},
    TemplateRow{InstrumentType::G823,     kSurvey61,                      {"GetSystemSetup823V", "GetSystemSetup823H"},         {"GetLoggerSetup823V", "GetLoggerSetup823H"}},
    TemplateRow{InstrumentType::Em61,     kSurvey61,                      both("GetSystemSetup61"),                             kLogger},
    TemplateRow{InstrumentType::Em61Mk2,  kSurvey61,                      both("GetSystemSetup"),                               kLogger},  // BLU: below
    TemplateRow{InstrumentType::Em31,     kSurvey31,                      kSystem31,                                            kLogger},
    TemplateRow{InstrumentType::Em38B,    kSurvey38B,                     kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Em38Dd,   both("GetSurveySetup38D"),      kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Em38,     kSurvey31,                      kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Em34_3,   kSurvey38B,                     kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Type5,    {},                             kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Ice31,    {},                             kSystem38,                                            kLogger},
    TemplateRow{InstrumentType::Em38Mk2,  kSurvey38B,                     kSystem31,                                            {"GetLoggerSetup38MK2ExtV", "GetLoggerSetup38MK2Ext"}},
};
// clang-format on

const TemplateRow& row(const BuildConfig& build) {
    for (const TemplateRow& r : kTemplates)
        if (r.type == build.type) return r;
    return kTemplates[1];  // unreachable for a valid InstrumentType
}

Text pick(const TemplatePair& pair, Orientation orientation) {
    return orientation == Orientation::Portrait ? pair.portrait : pair.landscape;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<std::string_view> survey_setup_template(const BuildConfig& build, Orientation orientation) {
    return pick(row(build).survey, orientation);
}

std::optional<std::string_view> system_setup_template(const BuildConfig& build, Orientation orientation) {
    if (build.is_blu()) return "GetSystemSetupBLU";
    return pick(row(build).system, orientation);
}

std::optional<std::string_view> logger_setup_template(const BuildConfig& build, Orientation orientation) {
    return pick(row(build).logger, orientation);
}

bool template_names_match(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace zel
