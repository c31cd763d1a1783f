#include "platform/gfx/png.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/gfx/bitmap_resources.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/painter.h"
#include "tests/support/golden.h"

namespace zel::platform {
namespace {

namespace fs = std::filesystem;

class PngTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("zel_png_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const char* name) const { return (m_dir / name).string(); }

    static Bitmap sample() {
        Bitmap b({5, 3});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                b.set_pixel(x, y, rgb(static_cast<std::uint8_t>(50 * x), static_cast<std::uint8_t>(100 * y), 7));
        return b;
    }

    fs::path m_dir;
};

TEST_F(PngTest, WrittenPicturesReadBackUnchanged) {
    ASSERT_EQ(write_png(path("a.png"), sample()), "");
    const PngImage back = read_png(path("a.png"));
    ASSERT_TRUE(back.bitmap) << back.error;
    EXPECT_EQ(*back.bitmap, sample());
}

TEST_F(PngTest, BadFilesGiveAMessage) {
    std::ofstream(path("text.png")) << "not a picture";
    for (const char* name : {"missing.png", "text.png"}) {
        const PngImage r = read_png(path(name));
        EXPECT_FALSE(r.bitmap) << name;
        EXPECT_NE(r.error.find(name), std::string::npos) << r.error;
    }
    EXPECT_NE(write_png(path("no/such/folder/x.png"), sample()), "");
    EXPECT_NE(write_png(path("empty.png"), Bitmap{}), "");
}

TEST_F(PngTest, ResourcesLoadByNameAndReportBrokenFiles) {
    ASSERT_EQ(write_png(path("STATICKPX_.png"), sample()), "");
    std::ofstream(path("BROKEN.png")) << "garbage";
    std::ofstream(path("notes.txt")) << "ignored";
    BitmapResources resources;
    const std::vector<std::string> errors = resources.load_folder(m_dir.string());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("BROKEN.png"), std::string::npos);
    ASSERT_NE(resources.find("STATICKPX_"), nullptr);
    EXPECT_EQ(*resources.find("STATICKPX_"), sample());
    EXPECT_EQ(resources.find("BROKEN"), nullptr);

    Bitmap screen({8, 5}, colors::white);
    Painter painter(screen, Rect{1, 1, 8, 5});
    EXPECT_TRUE(draw_resource(painter, resources, {1, 0}, "STATICKPX_"));
    EXPECT_FALSE(draw_resource(painter, resources, {0, 0}, "STATICCOMPANY_"));
    EXPECT_EQ(screen.pixel(2, 1), sample().pixel(0, 0));
    EXPECT_EQ(screen.pixel(6, 3), sample().pixel(4, 2));
    EXPECT_EQ(screen.pixel(7, 3), colors::white);
    EXPECT_FALSE(resources.load_folder(path("absent")).empty());
}

// The golden helper must fail loudly: a missing golden image is an error, and a mismatch leaves
// the actual picture beside the golden one.
TEST_F(PngTest, GoldenComparisonFailsOnMissingOrDifferentPictures) {
    const char* saved = std::getenv("ZEL_UPDATE_GOLDEN");
    const std::string saved_value = saved ? saved : "";
    ::unsetenv("ZEL_UPDATE_GOLDEN");

    EXPECT_FALSE(test::matches_golden(sample(), path("g.png")));
    EXPECT_FALSE(fs::exists(path("g.png")));

    ASSERT_EQ(write_png(path("g.png"), sample()), "");
    EXPECT_TRUE(test::matches_golden(sample(), path("g.png")));

    Bitmap changed = sample();
    changed.set_pixel(4, 2, colors::white);
    const auto result = test::matches_golden(changed, path("g.png"));
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("(4, 2)"), std::string::npos) << result.message();
    const PngImage actual = read_png(path("g.actual.png"));
    ASSERT_TRUE(actual.bitmap) << actual.error;
    EXPECT_EQ(*actual.bitmap, changed);
    EXPECT_FALSE(test::matches_golden(Bitmap({5, 4}), path("g.png")));

    if (saved) ::setenv("ZEL_UPDATE_GOLDEN", saved_value.c_str(), 1);
}

// A status field, a level bar, a fix indicator and a profile segment: the primitives the
// logging window is made of, in one small picture.
TEST(GoldenScene, TextAndShapes) {
    std::string error;
    auto library = FontLibrary::open(error);
    ASSERT_TRUE(library) << error;
    const FontResult normal = library->font({"MS Sans Serif", 13, 400});
    const FontResult bold = library->font({"MS Sans Serif", 13, 700});
    ASSERT_TRUE(normal.font && bold.font);

    Framebuffer fb({96, 48}, colors::light_grey);
    Painter p(fb);
    p.fill_rect({0, 24, 60, 48}, colors::white);
    p.set_font(normal.font);
    p.draw_text({2, 1}, "Logging");
    const Rect field{50, 1, 80, 14};
    p.fill_rect(field, rgb(0, 255, 0));
    p.set_font(bold.font);
    p.draw_text({field.left, field.top}, "12.345", field);

    p.set_pen(Pen::solid(rgb(192, 192, 192), 2));
    p.draw_line({0, 36}, {60, 36});
    p.set_pen(Pen::solid(rgb(0, 0, 255), 2));
    const Point trace[] = {{2, 40}, {10, 30}, {20, 44}, {30, 28}, {44, 38}, {58, 26}};
    p.draw_polyline(trace);

    p.set_pen(Pen::solid(rgb(255, 0, 0)));
    p.set_brush(Brush::solid(rgb(255, 0, 255)));
    p.draw_rect({66, 20, 76, 46});
    p.set_pen(Pen::solid(colors::black));
    p.set_brush(Brush::solid(rgb(0, 255, 0)));
    p.draw_ellipse({80, 20, 90, 30});

    EXPECT_TRUE(test::matches_golden(fb, std::string(ZEL_SOURCE_DIR) +
                                             "/tests/platform/gfx/golden/text_and_shapes.png"));
}

}  // namespace
}  // namespace zel::platform
