#include "app/catalogue/logging_menu.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(LoggingMenu, MenuDependsOnStatePositionFileAndType) {
    struct Case {
        RunState state;
        PositionFileKind shown;
        int em61, em38mk2, other;
    };
    const Case cases[] = {
        {RunState::StandBy, PositionFileKind::None, 97, 113, 40},
        {RunState::Logging, PositionFileKind::None, 97, 113, 40},
        {RunState::StandBy, PositionFileKind::External, 98, 114, 92},
        {RunState::Logging, PositionFileKind::Ascii, 99, 115, 93},
        {RunState::Monitor, PositionFileKind::None, 94, 110, 70},
        {RunState::Monitor, PositionFileKind::External, 95, 111, 90},
        {RunState::Monitor, PositionFileKind::Ascii, 96, 112, 91},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << static_cast<int>(c.state) << " file "
                                        << static_cast<int>(c.shown));
        EXPECT_EQ(logging_menu_id(BuildConfig{.type = InstrumentType::Em61}, c.state, c.shown), c.em61);
        EXPECT_EQ(logging_menu_id(BuildConfig{.type = InstrumentType::Em38Mk2}, c.state, c.shown), c.em38mk2);
        EXPECT_EQ(logging_menu_id(kGrad601Build, c.state, c.shown), c.other);
        EXPECT_EQ(logging_menu_id(BuildConfig{.type = InstrumentType::Em61Mk2}, c.state, c.shown), c.other);
        EXPECT_EQ(logging_menu_id(BuildConfig{.type = InstrumentType::Em38}, c.state, c.shown), c.other);
    }
}

}  // namespace
}  // namespace zel
