#include "ui_fixture.h"

namespace zel::platform::testing {
namespace {

class PaintTest : public UiTest {
protected:
    // Paints in the order delivered, each with the rectangle it was asked to paint.
    std::vector<std::pair<std::string, Rect>> paints;

    Window painted(const std::string& name, Rect rect, Window parent = {}, WindowStyle style = WindowStyle::Visible) {
        return make(name, rect, parent, style, [this, name](Window w, MessageId m, WParam, LParam) -> LResult {
            if (m == msg::paint) paints.emplace_back(name, w.paint_rect());
            return 0;
        });
    }
    std::vector<std::pair<std::string, Rect>> take_paints() {
        ui.pump();
        return std::exchange(paints, {});
    }
};

using Paints = std::vector<std::pair<std::string, Rect>>;

TEST_F(PaintTest, NewWindowsPaintParentsFirstAndHiddenOnesNot) {
    Window main = painted("main", {0, 0, 240, 320});
    Window logging = painted("logging", {0, 0, 240, 320}, main, WindowStyle::None);
    painted("curve", {0, 40, 240, 200}, logging);
    painted("bar", {10, 10, 20, 20}, main);
    EXPECT_EQ(take_paints(), (Paints{{"main", {0, 0, 240, 320}}, {"bar", {0, 0, 10, 10}}}));

    logging.show();  // painting it covers the bar above it, which is painted again after it
    EXPECT_EQ(take_paints(), (Paints{{"logging", {0, 0, 240, 320}}, {"curve", {0, 0, 240, 160}}, {"bar", {0, 0, 10, 10}}}));

    logging.hide();  // what it covered is painted again from beneath
    EXPECT_EQ(take_paints(), (Paints{{"main", {0, 0, 240, 320}}, {"bar", {0, 0, 10, 10}}}));
    EXPECT_TRUE(take_paints().empty());
}

TEST_F(PaintTest, InvalidationsCoalesceAndReachTheChildrenBelow) {
    Window main = painted("main", {0, 0, 240, 320});
    Window curve = painted("curve", {0, 40, 240, 200}, main);
    take_paints();

    curve.invalidate({0, 0, 10, 10});
    curve.invalidate({100, 50, 110, 60});
    curve.invalidate({500, 500, 600, 600});  // outside: nothing
    EXPECT_EQ(curve.update_rect(), (Rect{0, 0, 110, 60}));
    EXPECT_EQ(take_paints(), (Paints{{"curve", {0, 0, 110, 60}}}));

    main.invalidate({0, 30, 50, 50});  // overlaps the top of the curve
    EXPECT_EQ(take_paints(), (Paints{{"main", {0, 30, 50, 50}}, {"curve", {0, 0, 50, 10}}}));

    main.invalidate({0, 0, 10, 10});
    main.validate();
    EXPECT_TRUE(take_paints().empty());
}

TEST_F(PaintTest, PaintWaitsForPostedMessagesAndUpdatePaintsAtOnce) {
    Window main = painted("main", {0, 0, 240, 320});
    take_paints();
    take_log();
    main.invalidate();
    main.post(msg::user);
    ui.pump();
    EXPECT_EQ(take_log(), (std::vector<std::string>{"main:1024", "main:paint"}));

    paints.clear();
    main.invalidate({0, 0, 5, 5});
    main.update();
    EXPECT_EQ(paints, (Paints{{"main", {0, 0, 5, 5}}}));
    EXPECT_TRUE(main.update_rect().empty());
}

// A paint handler that never validates must not make the loop paint forever.
TEST_F(PaintTest, DeliveringAPaintValidates) {
    Window main = painted("main", {0, 0, 240, 320});
    EXPECT_EQ(ui.pump(), 1u);
    EXPECT_EQ(ui.pump(), 0u);
    EXPECT_TRUE(main.update_rect().empty());
}

TEST_F(PaintTest, ScreenAndClipRectanglesFollowTheAncestors) {
    Window main = painted("main", {0, 0, 240, 320});
    Window panel = painted("panel", {100, 100, 200, 200}, main);
    Window edge = painted("edge", {50, 80, 150, 120}, panel);  // sticks out of the panel
    EXPECT_EQ(edge.screen_rect(), (Rect{150, 180, 250, 220}));
    EXPECT_EQ(edge.clip_rect(), (Rect{150, 180, 200, 200}));
    EXPECT_EQ(edge.to_screen({3, 4}), (Point{153, 184}));
    EXPECT_EQ(edge.client_rect(), (Rect{0, 0, 100, 40}));
    panel.hide();
    EXPECT_TRUE(edge.clip_rect().empty());
    EXPECT_TRUE(edge.visible());
    EXPECT_FALSE(edge.shown());
}

// Readings draw into the profile at once, also while a dialog lies over it: the dialog's area
// is what the profile's drawing must leave out.
TEST_F(PaintTest, CoveringRectanglesAreTheShownWindowsAbove) {
    Window main = painted("main", {0, 0, 240, 320});
    Window logging = painted("logging", {0, 0, 240, 320}, main);
    Window profile = painted("profile", {0, 40, 240, 200}, logging);
    painted("marker", {10, 10, 20, 20}, profile);    // its own child: not covering
    painted("bars", {0, 200, 240, 280}, logging);    // a later sibling beside it: no overlap
    Window dialog = painted("dialog", {20, 100, 220, 300}, main);
    Window popup = painted("popup", {200, 0, 300, 50});  // a top-level window above, partly off the profile
    EXPECT_EQ(profile.covering_rects(), (std::vector<Rect>{{20, 100, 220, 200}, {200, 40, 240, 50}}));
    dialog.hide();
    popup.destroy();
    EXPECT_TRUE(profile.covering_rects().empty());
    EXPECT_EQ(main.covering_rects(), std::vector<Rect>{});
}

}  // namespace
}  // namespace zel::platform::testing
