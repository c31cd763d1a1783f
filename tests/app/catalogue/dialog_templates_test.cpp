#include "app/catalogue/dialog_templates.h"

#include <gtest/gtest.h>

#include <string>

namespace zel {
namespace {

using Text = std::optional<std::string_view>;

struct TemplateCase {
    BuildConfig build;
    Text survey_v, survey_h, system_v, system_h, logger_v, logger_h;
};

BuildConfig build_of(InstrumentType type) { return BuildConfig{.type = type}; }

TEST(DialogTemplates, EachTypeNamesItsSetupTemplatesPerOrientation) {
    // clang-format off
    const TemplateCase cases[] = {
        {build_of(InstrumentType::Ferex),   "GetSurveySetupBAR",  "GetSurveySetupBAR",  "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {kGrad601Build,                     "GetSurveySetupBAR",  "GetSurveySetupBAR",  "GetSystemSetup31V",  "GetSystemSetup31",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::G823),    "GetSurveySetup61V",  "GetSurveySetup61H",  "GetSystemSetup823V", "GetSystemSetup823H", "GetLoggerSetup823V", "GetLoggerSetup823H"},
        {build_of(InstrumentType::Em61),    "GetSurveySetup61V",  "GetSurveySetup61H",  "GetSystemSetup61",   "GetSystemSetup61",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em61Mk2), "GetSurveySetup61V",  "GetSurveySetup61H",  "GetSystemSetup",     "GetSystemSetup",    "GetLoggerSetupV",    "GetLoggerSetup"},
        {BuildConfig{.type = InstrumentType::Em61Mk2, .em61mk2_variant = 3},
                                            "GetSurveySetup61V",  "GetSurveySetup61H",  "GetSystemSetupBLU",  "GetSystemSetupBLU", "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em31),    "GetSurveySetup31V",  "GetSurveySetup31H",  "GetSystemSetup31V",  "GetSystemSetup31",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em38B),   "GetSurveySetup38BV", "GetSurveySetup38BH", "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em38Dd),  "GetSurveySetup38D",  "GetSurveySetup38D",  "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em38),    "GetSurveySetup31V",  "GetSurveySetup31H",  "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em34_3),  "GetSurveySetup38BV", "GetSurveySetup38BH", "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Type5),   {},                   {},                   "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Ice31),   {},                   {},                   "GetSystemSetup38V",  "GetSystemSetup38",  "GetLoggerSetupV",    "GetLoggerSetup"},
        {build_of(InstrumentType::Em38Mk2), "GetSurveySetup38BV", "GetSurveySetup38BH", "GetSystemSetup31V",  "GetSystemSetup31",  "GetLoggerSetup38MK2ExtV", "GetLoggerSetup38MK2Ext"},
    };
    // clang-format on
    for (const TemplateCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(type_number(c.build.type)) + " variant " +
                     std::to_string(c.build.em61mk2_variant));
        EXPECT_EQ(survey_setup_template(c.build, Orientation::Portrait), c.survey_v);
        EXPECT_EQ(survey_setup_template(c.build, Orientation::Landscape), c.survey_h);
        EXPECT_EQ(system_setup_template(c.build, Orientation::Portrait), c.system_v);
        EXPECT_EQ(system_setup_template(c.build, Orientation::Landscape), c.system_h);
        EXPECT_EQ(logger_setup_template(c.build, Orientation::Portrait), c.logger_v);
        EXPECT_EQ(logger_setup_template(c.build, Orientation::Landscape), c.logger_h);
    }
}

TEST(DialogTemplates, NamesMatchWithoutRegardToCase) {
    EXPECT_TRUE(template_names_match("GetSurveySetupBAR", "getsurveysetupbar"));
    EXPECT_TRUE(template_names_match("GETLOGGERSETUP38MK2EXTV", "GetLoggerSetup38MK2ExtV"));
    EXPECT_FALSE(template_names_match("GetLoggerSetup", "GetLoggerSetupV"));
    EXPECT_FALSE(template_names_match("GetSystemSetup31", "GetSystemSetup38"));
    // Only ASCII letters fold: "[" and "{" are not the same letter in two cases.
    EXPECT_FALSE(template_names_match("A[", "a{"));
}

}  // namespace
}  // namespace zel
