#include "instruments/grad601/row_conversion.h"

#include <cmath>
#include <limits>

namespace zel {

std::int32_t row_of(float value, RowScale scale) {
    const float distance = scale.maximum - value;
    const float row = distance * scale.factor;
    if (std::isnan(row)) return 0;
    constexpr float kLimit = 2147483648.0f;  // 2^31, exactly representable
    if (row >= kLimit) return std::numeric_limits<std::int32_t>::max();
    if (row <= -kLimit) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(row);
}

}  // namespace zel
