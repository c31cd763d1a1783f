#include "app/run/logging_window.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/run/run_state.h"
#include "platform/ui/window_system.h"

namespace zel {
namespace {

using namespace platform;

class LoggingWindowTest : public ::testing::Test {
protected:
    Window make_window() {
        return ui.create({&logging_window_class(), "Logging", {}, {0, 0, 240, 320}, WindowStyle::None, 4,
                          UserData::borrowed(app)});
    }

    ManualClock clock;
    WindowSystem ui{clock};
    AppState app{kGrad601Build, clock};
};

// Each posted device message takes exactly one sentence off the ring, so a burst that arrived
// before the window thread ran is consumed one for one, whichever device family sent it.
TEST_F(LoggingWindowTest, EveryDeviceMessageTakesOneSentence) {
    Window w = make_window();
    ASSERT_FALSE(w.is_null());
    const MessageId devices[] = {device_message::Grad601Sentence, device_message::Em61Sentence,
                                 device_message::G823Sentence, device_message::FerexFrame};
    for (MessageId m : devices) {
        ASSERT_TRUE(app.run.instrument.try_push("$PBAR,1", 1));
        ASSERT_TRUE(app.run.instrument.try_push("$PBAR,2", 2));
        w.post(m);
        ui.pump();
        EXPECT_EQ(app.run.instrument.waiting(), 1u) << m;
        w.post(m);
        ui.pump();
        EXPECT_EQ(app.run.instrument.waiting(), 0u) << m;
    }
}

TEST_F(LoggingWindowTest, SizeChangesNothingAndUnlistedMessagesGetDefaultProcessing) {
    Window w = make_window();
    EXPECT_EQ(w.send(msg::size, 0, pack_point(100, 100)), 0);
    EXPECT_TRUE(w.alive());
    w.send(msg::close);  // not in the table: default processing destroys the window
    EXPECT_FALSE(w.alive());
}

}  // namespace
}  // namespace zel
