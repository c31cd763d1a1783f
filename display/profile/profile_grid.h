#pragma once

// Horizontal grid lines of a channel group's scale, for the profile window (height PH) and the
// level bars (height BH), and the axis labels written at the profile's right edge.

#include "app/build_config.h"
#include "platform/gfx/geometry.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Where zero lies in a group's range; the bars grow from the line it names.
enum class ZeroPosition : int {
    BelowRange = -1,  // maximum <= 0: bars hang from the top edge
    Inside = 0,       // bars grow from the zero line
    AboveRange = 1,   // minimum >= 0: bars stand on the bottom edge
};

// Entry 0 is the index of the last valid entry (4 to 9), entry 1 the first line (the zero line
// when zero is inside the range), then the further lines in the order they were found.
struct GridTable {
    std::array<int, 10> p{};
    ZeroPosition zero = ZeroPosition::AboveRange;

    int first_line() const { return p[1]; }
    // Every line, the first included.
    std::span<const int> lines() const { return {p.data() + 1, static_cast<std::size_t>(p[0])}; }
};

GridTable compute_grid(int height, float minimum, float maximum, float factor);

// Labels are written left of the right edge but never left of this column.
inline constexpr int kLeftmostAxisLabel = 175;
int axis_label_x(int profile_width, int text_width);

enum class LabelFont { System, Normal, Bold };
using LabelWidth = std::function<int(LabelFont, std::string_view)>;

struct AxisLabel {
    std::string text;
    platform::Point at;
    LabelFont font;
    friend bool operator==(const AxisLabel&, const AxisLabel&) = default;
};

struct AxisLabelInput {
    int profile_width = 0;   // PW
    int profile_height = 0;  // PH
    int text_height = 0;     // h: the system font's height
    float group1_min = 0, group1_max = 0;
    float group2_min = 0, group2_max = 0;
    int em_mode = 0;      // 0 both groups, 1 the second only, 2 the first only
    int shown_group = 0;  // 0 first, 1 second; the shown group's labels are bold
};

// Types below 0 label the first group in the system font; the EM family labels one or both
// groups, the second pair stacked inside the first.
std::vector<AxisLabel> axis_labels(const BuildConfig& build, const AxisLabelInput& in, const LabelWidth& width);

}  // namespace zel
