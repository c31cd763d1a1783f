#include "platform/gfx/raster.h"

#include <cmath>

namespace zel::platform {

std::vector<Span> ellipse_spans(const Rect& box) {
    std::vector<Span> spans(static_cast<std::size_t>(std::max(box.height(), 0)));
    if (box.empty()) return spans;
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    for (int y = box.top; y < box.bottom; ++y) {
        const double t = (y + 0.5 - cy) / b;
        const double rest = 1.0 - t * t;
        if (rest < 0.0) continue;
        const double half = a * std::sqrt(rest);
        Span& s = spans[static_cast<std::size_t>(y - box.top)];
        s.first = std::max(box.left, static_cast<int>(std::ceil(cx - half - 0.5)));
        s.last = std::min(box.right - 1, static_cast<int>(std::floor(cx + half - 0.5)));
    }
    return spans;
}

}  // namespace zel::platform
