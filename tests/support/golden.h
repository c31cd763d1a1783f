#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/bitmap.h"

namespace zel::test {

// Compares a picture with a golden PNG, pixel for pixel with zero tolerance. On a mismatch the
// actual picture is written beside the golden one as NAME.actual.png. A missing golden image
// fails; with ZEL_UPDATE_GOLDEN=1 in the environment the golden image is (re)written instead.
::testing::AssertionResult matches_golden(const platform::Bitmap& actual,
                                          const std::string& golden_path);

}  // namespace zel::test
