#include "platform/gfx/font_library.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/gfx/painter.h"

namespace zel::platform {
namespace {

class FontTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        m_library = FontLibrary::open(error);
        ASSERT_TRUE(m_library) << error;
    }

    const Font& font(const std::string& family, int height, int weight = 400) {
        const FontResult r = m_library->font({family, height, weight});
        EXPECT_TRUE(r.font) << r.error;
        return *r.font;
    }

    std::unique_ptr<FontLibrary> m_library;
};

TEST_F(FontTest, HeightIsTheCharacterCell) {
    // The heights the system asks for at font scale factors 1 and 2.
    for (int height : {12, 13, 24, 26}) {
        for (int weight : {400, 700}) {
            SCOPED_TRACE(std::to_string(height) + " weight " + std::to_string(weight));
            const FontMetrics& m = font("MS Sans Serif", height, weight).metrics();
            EXPECT_EQ(m.height, height);
            EXPECT_EQ(m.ascent + m.descent, height);
            EXPECT_GT(m.ascent, 2 * m.descent);
            EXPECT_GT(m.average_char_width, height / 4);
            EXPECT_LT(m.average_char_width, height);
        }
    }
    EXPECT_LT(font("MS Sans Serif", 13).text_width("Logging"),
              font("MS Sans Serif", 26).text_width("Logging"));
}

TEST_F(FontTest, FamiliesAndWeightsChooseTheFace) {
    const Font& normal = font("MS Sans Serif", 13);
    EXPECT_EQ(&normal, &font("DejaVu Sans", 13));
    const Font& bold = font("MS Sans Serif", 13, 700);
    EXPECT_NE(&normal, &bold);
    EXPECT_EQ(&bold, &font("DejaVu Sans Bold", 13));
    EXPECT_GT(bold.text_width("Stand By"), normal.text_width("Stand By"));
}

TEST_F(FontTest, MissingFontsAreReportedNotSubstituted) {
    const FontResult missing = m_library->font({"No Such Family Anywhere", 13, 400});
    EXPECT_EQ(missing.font, nullptr);
    EXPECT_NE(missing.error.find("No Such Family Anywhere"), std::string::npos) << missing.error;

    const FontResult no_file = m_library->font_from_file("/nonexistent/font.ttf", 13);
    EXPECT_EQ(no_file.font, nullptr);
    EXPECT_NE(no_file.error.find("/nonexistent/font.ttf"), std::string::npos) << no_file.error;

    const std::string not_a_font = std::string(ZEL_SOURCE_DIR) + "/CMakeLists.txt";
    EXPECT_EQ(m_library->font_from_file(not_a_font, 13).font, nullptr);
    EXPECT_EQ(m_library->font({"DejaVu Sans", 0, 400}).font, nullptr);
}

TEST_F(FontTest, WidthsAddUpAndBadTextStillMeasures) {
    const Font& f = font("MS Sans Serif", 13);
    EXPECT_EQ(f.text_width("St :12.50"), f.text_width("St :") + f.text_width("12.50"));
    EXPECT_EQ(f.text_width(""), 0);
    // A truncated sequence measures as the replacement character, never past the text's end.
    EXPECT_EQ(f.text_width("A\xE2\x82"), f.text_width("A\xEF\xBF\xBD") + f.text_width("\xEF\xBF\xBD"));
    EXPECT_EQ(f.measure("x").height, 13);

    // More distinct characters than the cache holds: widths stay right while it is refilled.
    std::string many;
    int expected = 0;
    for (char32_t c = 0x100; c < 0x800; ++c) {
        const std::string one{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        many += one;
        expected += f.text_width(one);
    }
    for (char32_t c = 0x800; c < 0x800 + 2500; ++c) {
        const std::string one{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (c & 0x3F))};
        many += one;
        expected += f.text_width(one);
    }
    EXPECT_EQ(f.text_width(many), expected);
}

TEST_F(FontTest, TextIsDrawnInItsCellAndClippedAtTheFieldCorner) {
    const Font& f = font("MS Sans Serif", 13);
    const Color grey = colors::light_grey;
    auto draw = [&](const Rect* field) {
        Bitmap b({60, 24}, grey);
        Painter p(b);
        p.set_font(&f);
        if (field) {
            p.draw_text({4, 5}, "Wg 999%", *field);
        } else {
            p.draw_text({4, 5}, "Wg 999%");
        }
        return b;
    };
    const Bitmap free = draw(nullptr);
    const Rect field{4, 5, 24, 14};
    const Bitmap clipped = draw(&field);
    int ink = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool is_ink = free.pixel(x, y) == colors::black;
            ink += is_ink;
            EXPECT_TRUE(free.pixel(x, y) == grey || is_ink) << "monochrome only";
            EXPECT_TRUE(!is_ink || (y >= 5 && y < 5 + 13)) << "ink outside the cell at " << y;
            // Clipping cuts the same picture; it never moves the text.
            EXPECT_EQ(clipped.pixel(x, y), field.contains({x, y}) ? free.pixel(x, y) : grey)
                << x << "," << y;
        }
    }
    EXPECT_GT(ink, 40);

    Bitmap far = free;
    Painter p(far);
    p.set_font(&f);
    for (Point at : {Point{std::numeric_limits<int>::min(), 0}, Point{std::numeric_limits<int>::max(), 5},
                     Point{0, std::numeric_limits<int>::max()}}) {
        p.draw_text(at, "far away");
    }
    EXPECT_EQ(far, free);
}

}  // namespace
}  // namespace zel::platform
