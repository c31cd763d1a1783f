#include "platform/gfx/painter.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace zel::platform {
namespace {

constexpr Color kInk = rgb(0, 0, 255);
constexpr Color kFill = rgb(0, 255, 0);
constexpr Color kPaper = colors::white;

// A picture of the bitmap as text: '#' ink (pen), 'o' fill (brush), '.' paper, '?' other.
std::string picture(const Bitmap& b) {
    std::string s;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const Color c = b.pixel(x, y);
            s += c == kInk ? '#' : c == kFill ? 'o' : c == kPaper ? '.' : '?';
        }
        s += '\n';
    }
    return s;
}

std::string rows(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + '\n';
    return s;
}

struct Scene {
    const char* name;
    std::function<void(Painter&)> draw;
    std::string expected;
};

void expect_scenes(Size size, const std::vector<Scene>& scenes) {
    for (const Scene& scene : scenes) {
        SCOPED_TRACE(scene.name);
        Bitmap b(size, kPaper);
        Painter p(b);
        p.set_pen(Pen::solid(kInk));
        p.set_brush(Brush::solid(kFill));
        scene.draw(p);
        EXPECT_EQ(picture(b), scene.expected) << "got:\n" << picture(b);
    }
}

TEST(PainterLines, LeaveTheirEndPointUnpainted) {
    expect_scenes({6, 4}, {
        {"horizontal", [](Painter& p) { p.draw_line({1, 1}, {5, 1}); },
         rows({"......", ".####.", "......", "......"})},
        {"leftwards", [](Painter& p) { p.draw_line({5, 1}, {1, 1}); },
         rows({"......", "..####", "......", "......"})},
        {"diagonal", [](Painter& p) { p.draw_line({0, 0}, {3, 3}); },
         rows({"#.....", ".#....", "..#...", "......"})},
        {"shallow", [](Painter& p) { p.draw_line({0, 0}, {6, 2}); },
         rows({"##....", "..###.", ".....#", "......"})},
        {"steep", [](Painter& p) { p.draw_line({0, 0}, {1, 4}); },
         rows({"#.....", "#.....", "#.....", ".#...."})},
        {"zero length", [](Painter& p) { p.draw_line({2, 2}, {2, 2}); },
         rows({"......", "......", "......", "......"})},
        {"null pen", [](Painter& p) { p.set_pen(Pen::null()); p.draw_line({0, 1}, {5, 1}); },
         rows({"......", "......", "......", "......"})},
        // Each vertex is painted once by the segment it starts; only the last stays unpainted,
        // like the column to the right of the profile's newest sample.
        {"polyline", [](Painter& p) {
             const Point pts[] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
             p.draw_polyline(pts);
         },
         rows({"####..", "...#..", "...#..", ".###.."})},
    });
}

TEST(PainterLines, WidePensAreCentredOnTheLine) {
    const std::vector<std::string> horizontal = {
        rows({"......", "......", "......", ".####.", "......", "......", "......"}),
        rows({"......", "......", ".####.", ".####.", "......", "......", "......"}),
        rows({"......", "......", ".####.", ".####.", ".####.", "......", "......"}),
        rows({"......", ".####.", ".####.", ".####.", ".####.", "......", "......"}),
        rows({"......", ".####.", ".####.", ".####.", ".####.", ".####.", "......"}),
    };
    for (int width = 1; width <= 5; ++width) {
        SCOPED_TRACE("width " + std::to_string(width));
        Bitmap h({6, 7}, kPaper);
        Painter ph(h);
        ph.set_pen(Pen::solid(kInk, width));
        ph.draw_line({1, 3}, {5, 3});
        EXPECT_EQ(picture(h), horizontal[width - 1]) << picture(h);

        // The same pen on a vertical line spreads across x by the same rule.
        Bitmap v({7, 6}, kPaper);
        Painter pv(v);
        pv.set_pen(Pen::solid(kInk, width));
        pv.draw_line({3, 1}, {3, 5});
        for (int x = 0; x < 7; ++x) {
            const bool covered = x >= 3 - width / 2 && x <= 3 + (width - 1) / 2;
            for (int y = 0; y < 6; ++y) {
                EXPECT_EQ(v.pixel(x, y) == kInk, covered && y >= 1 && y < 5) << x << "," << y;
            }
        }
    }
}

TEST(PainterShapes, RectanglesExcludeRightAndBottomEdges) {
    expect_scenes({7, 6}, {
        {"pen and brush", [](Painter& p) { p.draw_rect({1, 1, 6, 5}); },
         rows({".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."})},
        {"corners in either order", [](Painter& p) { p.draw_rect({6, 5, 1, 1}); },
         rows({".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."})},
        {"null pen fills the whole rectangle", [](Painter& p) {
             p.set_pen(Pen::null());
             p.draw_rect({1, 1, 6, 5});
         },
         rows({".......", ".ooooo.", ".ooooo.", ".ooooo.", ".ooooo.", "......."})},
        {"null brush keeps the inside", [](Painter& p) {
             p.set_brush(Brush::null());
             p.draw_rect({1, 1, 6, 5});
         },
         rows({".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."})},
        {"wide pen centred on the border", [](Painter& p) {
             p.set_pen(Pen::solid(kInk, 2));
             p.draw_rect({1, 1, 6, 6});
         },
         rows({"######.", "######.", "##oo##.", "##oo##.", "######.", "######."})},
        {"fill", [](Painter& p) { p.fill_rect({1, 2, 4, 4}, kFill); },
         rows({".......", ".......", ".ooo...", ".ooo...", ".......", "......."})},
        {"inverted fill draws nothing", [](Painter& p) { p.fill_rect({4, 4, 1, 2}, kFill); },
         rows({".......", ".......", ".......", ".......", ".......", "......."})},
        {"ellipse stays in its box", [](Painter& p) { p.draw_ellipse({0, 0, 7, 5}); },
         rows({".#####.", "#ooooo#", "#ooooo#", "#ooooo#", ".#####.", "......."})},
        {"ellipse with a null pen", [](Painter& p) {
             p.set_pen(Pen::null());
             p.draw_ellipse({0, 0, 7, 5});
         },
         rows({".ooooo.", "ooooooo", "ooooooo", "ooooooo", ".ooooo.", "......."})},
        {"pixel", [](Painter& p) { p.set_pixel({6, 5}, kInk); },
         rows({".......", ".......", ".......", ".......", ".......", "......#"})},
    });
}

TEST(PainterClip, WindowSurfaceDrawsOnlyInsideItsRectangle) {
    Bitmap b({8, 6}, kPaper);
    Painter p(b, Rect{2, 1, 6, 4});
    p.fill_rect({-100, -100, 100, 100}, kFill);
    p.set_pen(Pen::solid(kInk));
    p.draw_line({0, 0}, {50, 0});  // origin is the window's top-left
    EXPECT_EQ(picture(b), rows({"........", "..####..", "..oooo..", "..oooo..", "........",
                                "........"}));
    EXPECT_EQ(p.clip_rect(), (Rect{0, 0, 4, 3}));
    EXPECT_FALSE(p.pixel({4, 0}).has_value());
    EXPECT_EQ(p.pixel({3, 2}), kFill);
}

TEST(PainterClip, DrawingOffTheTargetIsClippedNotWrapped) {
    expect_scenes({5, 4}, {
        {"line from far outside",
         [](Painter& p) { p.draw_line({-1000, 2}, {1000, 2}); },
         rows({".....", ".....", "#####", "....."})},
        {"wide pen at the edge", [](Painter& p) {
             p.set_pen(Pen::solid(kInk, 5));
             p.draw_line({0, 0}, {3, 0});
         },
         rows({"###..", "###..", "###..", "....."})},
        {"ellipse larger than the target",
         [](Painter& p) { p.set_pen(Pen::null()); p.draw_ellipse({-20, -20, 25, 24}); },
         rows({"ooooo", "ooooo", "ooooo", "ooooo"})},
        {"pixel outside", [](Painter& p) { p.set_pixel({5, 0}, kInk); p.set_pixel({-1, 1}, kInk); },
         rows({".....", ".....", ".....", "....."})},
    });
}

// Rows computed from readings far out of range reach the painter unclipped: they must cost
// only their visible part and draw exactly that part.
TEST(PainterClip, WildCoordinatesDrawTheirVisiblePartOnly) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    struct Case {
        const char* name;
        std::function<void(Painter&)> draw;
        std::string expected;
    };
    const Case cases[] = {
        {"vertical line through everything", [](Painter& p) { p.draw_line({1, kMin}, {1, kMax}); },
         rows({"......", "...#..", "...#..", "...#.."})},
        {"profile segment to a wild row", [](Painter& p) { p.draw_line({1, 1}, {3, kMax}); },
         rows({"......", "......", "...#..", "...#.."})},
        {"segment from a wild row", [](Painter& p) { p.draw_line({0, kMin}, {3, 1}); },
         rows({"......", ".....#", "......", "......"})},
        {"horizontal line to the far right", [](Painter& p) { p.draw_line({kMax, 0}, {kMin, 0}); },
         rows({"......", "..####", "......", "......"})},
        {"fill everything", [](Painter& p) { p.fill_rect({kMin, kMin, kMax, kMax}, kFill); },
         rows({"......", "..oooo", "..oooo", "..oooo"})},
        {"bar reaching far below", [](Painter& p) { p.draw_rect({1, 1, 3, kMax}); },
         rows({"......", "......", "...##.", "...##."})},
        {"huge ellipse", [](Painter& p) {
             p.set_pen(Pen::null());
             p.set_brush(Brush::solid(kFill));
             p.draw_ellipse({kMin / 2, kMin / 2, kMax / 2, kMax / 2});
         },
         rows({"......", "..oooo", "..oooo", "..oooo"})},
        {"pixel", [](Painter& p) { p.set_pixel({kMax, kMax}, kInk); p.set_pixel({kMin, 0}, kInk); },
         rows({"......", "......", "......", "......"})},
        {"bitmap far away", [](Painter& p) { p.draw_bitmap({kMax, kMin}, Bitmap({3, 3}, kInk)); },
         rows({"......", "......", "......", "......"})},
        {"wide pen", [](Painter& p) { p.set_pen(Pen::solid(kInk, kMax)); p.draw_line({0, 1}, {1, 1}); },
         rows({"......", "..#...", "..#...", "..#..."})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap b({6, 4}, kPaper);
        Painter p(b, Rect{2, 1, 6, 4});
        p.set_pen(Pen::solid(kInk));
        p.set_brush(Brush::null());
        c.draw(p);
        p.scroll({0, 0, 4, 3}, kMax, kMin);
        p.translate(kMax, kMax);
        p.fill_rect({0, 0, 1, 1}, kFill);
        EXPECT_EQ(picture(b), c.expected) << picture(b);
    }
}

TEST(PainterClip, SaveAndRestoreBringBackClipOriginAndPen) {
    Bitmap b({6, 3}, kPaper);
    Painter p(b);
    p.set_pen(Pen::solid(kInk));
    p.save();
    p.translate(2, 0);
    p.add_clip_rect({0, 0, 2, 3});
    p.set_pen(Pen::solid(kFill));
    p.draw_line({-2, 0}, {6, 0});
    p.restore();
    p.draw_line({0, 1}, {6, 1});
    p.restore();  // unbalanced: no effect
    p.draw_line({0, 2}, {6, 2});
    EXPECT_EQ(picture(b), rows({"..oo..", "######", "######"}));
}

TEST(PainterCopy, ScrollMovesOverlappingAreas) {
    // Each pixel gets its own colour, so a wrong source shows up as a wrong value.
    auto numbered = [] {
        Bitmap b({6, 5});
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) b.set_pixel(x, y, static_cast<Color>(10 * y + x));
        return b;
    };
    struct Case {
        int dx, dy;
    };
    for (Case c : {Case{-2, 0}, Case{2, 0}, Case{0, 1}, Case{0, -1}, Case{1, 1}, Case{-1, -2}}) {
        SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
        const Bitmap before = numbered();
        Bitmap after = numbered();
        Painter p(after);
        const Rect area{1, 1, 5, 4};
        p.scroll(area, c.dx, c.dy);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                const Point from{x - c.dx, y - c.dy};
                const bool moved = Rect{0, 0, 6, 5}.contains({x, y}) && area.contains(from);
                EXPECT_EQ(after.pixel(x, y), moved ? before.pixel(from.x, from.y) : before.pixel(x, y))
                    << x << "," << y;
            }
        }
    }
}

TEST(PainterCopy, ProfileStepMovesTheImageTwoPixelsLeft) {
    // The scroll of a profile: columns 2..X move to 0..X-2, the source is read before it is
    // overwritten.
    Bitmap b({8, 1}, kPaper);
    Painter p(b);
    for (int x = 0; x < 8; ++x) b.set_pixel(x, 0, static_cast<Color>(x));
    p.scroll({2, 0, 7, 1}, -2, 0);
    const std::vector<Color> expected{2, 3, 4, 5, 6, 5, 6, 7};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(b.pixel(x, 0), expected[x]) << x;
}

TEST(PainterCopy, RoundTripThroughABitmapRestoresThePicture) {
    Bitmap screen({6, 4}, kPaper);
    Painter p(screen, Rect{1, 1, 5, 4});
    p.set_pen(Pen::solid(kInk));
    p.set_brush(Brush::solid(kFill));
    p.draw_rect({0, 0, 4, 3});
    const Bitmap drawn = screen;

    Bitmap saved({4, 3}, kPaper);
    p.copy_to(saved, {0, 0, 4, 3}, {0, 0});
    p.fill_rect({0, 0, 4, 3}, kPaper);
    p.draw_bitmap({0, 0}, saved);
    EXPECT_EQ(screen, drawn);

    // Parts outside the window are neither read nor written.
    Bitmap wide({6, 3}, kFill);
    p.copy_to(wide, {-1, 0, 5, 3}, {0, 0});
    EXPECT_EQ(wide.pixel(0, 0), kFill);
    EXPECT_EQ(wide.pixel(1, 0), kInk);
    p.draw_bitmap({-2, 1}, Bitmap({8, 8}, kPaper));
    EXPECT_EQ(picture(screen), rows({"......", ".####.", "......", "......"}));
}

TEST(PainterDamage, FramebufferRemembersWhatWasDrawn) {
    Framebuffer fb({10, 10}, kPaper);
    Painter p(fb, Rect{2, 2, 8, 8});
    p.fill_rect({1, 1, 3, 2}, kFill);
    p.set_pen(Pen::solid(kInk));
    p.draw_line({0, 4}, {20, 4});
    EXPECT_EQ(fb.take_damage(), (Rect{2, 3, 8, 7}));
    EXPECT_TRUE(fb.damage().empty());
    p.fill_rect({10, 10, 20, 20}, kFill);  // fully clipped
    EXPECT_TRUE(fb.damage().empty());
}

}  // namespace
}  // namespace zel::platform
