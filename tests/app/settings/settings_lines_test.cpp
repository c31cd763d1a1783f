#include "app/settings/settings_lines.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

// Each line's format must match the kind of value it names, or reading and writing it would fail.
TEST(SettingsLines, EveryLineNamesASettingOfItsFormat) {
    Settings s;
    for (const SettingsLine& line : settings_lines()) {
        SCOPED_TRACE(line.name);
        SettingRef ref = line.field(s);
        switch (line.format) {
        case LineFormat::Integer:
        case LineFormat::Long: EXPECT_TRUE(std::holds_alternative<int*>(ref)); break;
        case LineFormat::RealFloat: EXPECT_TRUE(std::holds_alternative<float*>(ref)); break;
        case LineFormat::RealDouble: EXPECT_TRUE(std::holds_alternative<double*>(ref)); break;
        case LineFormat::Text: EXPECT_TRUE(std::holds_alternative<std::string*>(ref)); break;
        }
        if (line.check.kind == CheckKind::Range) {
            EXPECT_TRUE(std::holds_alternative<int*>(ref));
        }
        if (line.check.kind == CheckKind::Above) {
            EXPECT_TRUE(std::holds_alternative<float*>(ref));
        }
        if (line.on_load == OnLoad::Discard) {
            EXPECT_TRUE(std::holds_alternative<float*>(ref));
        }
    }
}

TEST(SettingsLines, TheSensorsLineIsCheckedOnlyInTheG823Build) {
    Settings s;
    s.sensors = 0;
    int present_checked = 0;
    for (BuildConfig build : {kGrad601Build, BuildConfig{.type = InstrumentType::G823}}) {
        for (const SettingsLine& line : settings_lines()) {
            if (!line.present(build) || line.field(s) != SettingRef(&s.sensors)) continue;
            bool ok = passes_check(line.check, s, line.field(s));
            EXPECT_EQ(ok, build.type != InstrumentType::G823);
            ++present_checked;
        }
    }
    EXPECT_EQ(present_checked, 2);  // exactly one sensors line in each build
}

}  // namespace
}  // namespace zel
