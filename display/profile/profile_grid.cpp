#include "display/profile/profile_grid.h"

#include "display/profile/profile_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace zel {
namespace {

int trunc_to_int(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(std::trunc(v), static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

void even_lines(GridTable& g, int n) {
    static constexpr double kFractions[] = {0.2, 0.4, 0.6, 0.8};
    g.p[0] = 4;
    for (int k = 0; k < 4; ++k) g.p[static_cast<std::size_t>(k + 1)] = trunc_to_int(n - kFractions[k] * (n + 1.0));
}

// The long side's pixel extent over the short side's, rounded. With the zero line on the very
// edge the short side has no pixels: the quotient would divide by zero, and the long side is
// then as long as can be, so the ratio counts as large.
int rounded_side_ratio(int y0, int n) {
    // 64-bit differences: a wild factor can put the zero row anywhere in the int range.
    const std::int64_t y = y0;
    const bool upper_half = y0 < n / 2;
    const std::int64_t numerator = upper_half ? y - n : -y;
    const std::int64_t denominator = upper_half ? -y : y - n;
    if (denominator == 0) return numerator == 0 ? 0 : std::numeric_limits<int>::max();
    const float r = static_cast<float>(numerator) / static_cast<float>(denominator);
    return trunc_to_int(static_cast<double>(r) + 0.5);
}

}  // namespace

GridTable compute_grid(int n, float a, float b, float c) {
    GridTable g;
    if (a >= 0.0f || b <= 0.0f) {
        g.zero = a >= 0.0f ? ZeroPosition::AboveRange : ZeroPosition::BelowRange;
        even_lines(g, n);
        return g;
    }
    g.zero = ZeroPosition::Inside;
    const int y0 = scale_row(0.0f, b, c);
    g.p[1] = y0;

    const bool upper_half = y0 < n / 2;
    const float short_side = upper_half ? std::fabs(b) : std::fabs(a);
    const float long_side = upper_half ? std::fabs(a) : std::fabs(b);
    const int s = rounded_side_ratio(y0, n);
    if (s <= 0) {
        even_lines(g, n);
        return g;
    }
    float step = 0.0f;
    if (s > 4) {
        step = long_side / 5.0f;
    } else if (s == 1) {
        step = short_side / 4.0f;
    } else {
        step = long_side / static_cast<float>(s);
    }

    std::size_t i = 2;
    for (int k = 1; i < g.p.size(); ++k) {
        const int y = scale_row(step * static_cast<float>(k), b, c);
        if (y < 1) break;
        g.p[i++] = y;
    }
    for (int e = 1; i < g.p.size(); ++e) {
        const int y = scale_row(-step * static_cast<float>(e), b, c);
        if (y >= n) break;
        g.p[i++] = y;
    }
    g.p[0] = static_cast<int>(i) - 1;
    return g;
}

int axis_label_x(int profile_width, int text_width) {
    return std::max(profile_width - text_width - 3, kLeftmostAxisLabel);
}

namespace {

std::string label_text(const char* format, float value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, format, static_cast<double>(value));
    if (n < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

AxisLabel place(const AxisLabelInput& in, const LabelWidth& width, LabelFont font, std::string text, int y) {
    const int x = axis_label_x(in.profile_width, width(font, text));
    return {std::move(text), {x, y}, font};
}

}  // namespace

std::vector<AxisLabel> axis_labels(const BuildConfig& build, const AxisLabelInput& in, const LabelWidth& width) {
    const int h = in.text_height;
    std::vector<AxisLabel> labels;
    if (build.below_zero()) {
        labels.push_back(place(in, width, LabelFont::System, label_text("%.0f", in.group1_min), in.profile_height - h - 1));
        labels.push_back(place(in, width, LabelFont::System, label_text("%.0f", in.group1_max), 0));
        return labels;
    }
    const bool first_pair = in.em_mode != 1;
    if (first_pair) {
        const char* format = build.type == InstrumentType::Ice31 ? "%.1f" : "%.0f";
        const LabelFont font = in.shown_group == 0 ? LabelFont::Bold : LabelFont::Normal;
        labels.push_back(place(in, width, font, label_text(format, in.group1_min), in.profile_height - h - 1));
        labels.push_back(place(in, width, font, label_text(format, in.group1_max), 0));
    }
    if (in.em_mode != 2) {
        const int k = first_pair ? 2 : 1;
        const LabelFont font = in.shown_group == 1 ? LabelFont::Bold : LabelFont::Normal;
        labels.push_back(place(in, width, font, label_text("%.0f", in.group2_min), in.profile_height - k * (h + 1)));
        labels.push_back(place(in, width, font, label_text("%.0f", in.group2_max), (k - 1) * (h + 2)));
    }
    return labels;
}

}  // namespace zel
