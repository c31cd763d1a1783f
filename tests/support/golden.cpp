#include "tests/support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/gfx/png.h"

namespace zel::test {

namespace {

bool update_requested() {
    const char* value = std::getenv("ZEL_UPDATE_GOLDEN");
    return value && std::string_view(value) == "1";
}

std::string actual_path(const std::string& golden_path) {
    std::filesystem::path p(golden_path);
    p.replace_extension(".actual.png");
    return p.string();
}

std::string first_difference(const platform::Bitmap& a, const platform::Bitmap& b, int& count) {
    std::string where;
    count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            if (count++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d, %d): actual 0x%06X, golden 0x%06X", x, y,
                              a.pixel(x, y), b.pixel(x, y));
                where = text;
            }
        }
    }
    return where;
}

}  // namespace

::testing::AssertionResult matches_golden(const platform::Bitmap& actual,
                                          const std::string& golden_path) {
    if (update_requested()) {
        const std::string error = platform::write_png(golden_path, actual);
        if (!error.empty()) return ::testing::AssertionFailure() << error;
        return ::testing::AssertionSuccess() << "golden image written: " << golden_path;
    }
    const platform::PngImage golden = platform::read_png(golden_path);
    if (!golden.bitmap) {
        return ::testing::AssertionFailure()
               << "golden image missing or unreadable (" << golden.error
               << "); run with ZEL_UPDATE_GOLDEN=1 to create it, then check it by eye";
    }
    std::string difference;
    if (golden.bitmap->size() != actual.size()) {
        difference = "size " + std::to_string(actual.width()) + "x" +
                     std::to_string(actual.height()) + ", golden " +
                     std::to_string(golden.bitmap->width()) + "x" +
                     std::to_string(golden.bitmap->height());
    } else {
        int count = 0;
        difference = first_difference(actual, *golden.bitmap, count);
        if (count == 0) return ::testing::AssertionSuccess();
        difference = std::to_string(count) + " pixels differ, first at " + difference;
    }
    const std::string written = actual_path(golden_path);
    const std::string error = platform::write_png(written, actual);
    return ::testing::AssertionFailure()
           << golden_path << ": " << difference << "; actual picture "
           << (error.empty() ? "written to " + written : "not written: " + error);
}

}  // namespace zel::test
