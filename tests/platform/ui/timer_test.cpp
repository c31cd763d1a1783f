#include "ui_fixture.h"

#include <algorithm>

namespace zel::platform::testing {
namespace {

// One step of a timeline: what the test does, then how many timer messages the loop delivers.
struct Step {
    enum class Action { Advance, Reset, Kill } action;
    Tick ms;
    int fired;
};

void run_timeline(ManualClock& clock, WindowSystem& ui, Window w, std::vector<std::string>& log,
                  std::initializer_list<Step> steps) {
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << n++ << " at tick " << clock.tick());
        switch (s.action) {
        case Step::Action::Advance: clock.advance(s.ms); break;
        case Step::Action::Reset: ASSERT_TRUE(w.set_timer(1, s.ms)); break;
        case Step::Action::Kill: EXPECT_TRUE(w.kill_timer(1)); break;
        }
        log.clear();
        ui.pump();
        EXPECT_EQ(std::count(log.begin(), log.end(), "w:timer"), s.fired);
    }
}

using A = Step::Action;

TEST_F(UiTest, TimerFiresEveryIntervalOnceHoweverLateItIs) {
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None);
    ASSERT_TRUE(w.set_timer(1, 100));
    run_timeline(clock, ui, w, log,
                 {{A::Advance, 99, 0}, {A::Advance, 1, 1}, {A::Advance, 99, 0}, {A::Advance, 1, 1},
                  {A::Advance, 350, 1},  // late: one message, the next interval counts from now
                  {A::Advance, 99, 0},  {A::Advance, 1, 1}});
}

TEST_F(UiTest, SettingATimerAgainRestartsItAndKillStopsIt) {
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None);
    ASSERT_TRUE(w.set_timer(1, 100));
    run_timeline(clock, ui, w, log,
                 {{A::Advance, 60, 0}, {A::Reset, 100, 0}, {A::Advance, 60, 0}, {A::Advance, 39, 0},
                  {A::Advance, 1, 1}, {A::Reset, 70, 0}, {A::Advance, 70, 1}, {A::Kill, 0, 0},
                  {A::Advance, 1000, 0}});
    EXPECT_FALSE(w.kill_timer(1));
}

TEST_F(UiTest, TimersSurviveTheTickWrapAndDieWithTheirWindow) {
    clock.set_tick(0xFFFFFFF0u);
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None, [](Window, MessageId m, WParam wp, LParam) -> LResult {
        if (m == msg::timer) {
            EXPECT_EQ(wp, 7u);
        }
        return 0;
    });
    ASSERT_TRUE(w.set_timer(7, 100));
    clock.advance(99);
    ui.pump();
    clock.advance(1);
    take_log();
    ui.pump();
    EXPECT_EQ(take_log(), (std::vector<std::string>{"w:timer"}));

    w.destroy();
    take_log();
    clock.advance(1000);
    EXPECT_EQ(ui.pump(), 0u);
    EXPECT_FALSE(w.set_timer(7, 100));
}

}  // namespace
}  // namespace zel::platform::testing
