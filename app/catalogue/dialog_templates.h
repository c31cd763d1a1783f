#pragma once

// The setup dialog templates of each type, by orientation. Where one name serves both
// orientations it is given for both.

#include "app/build_config.h"
#include "app/catalogue/screen_kind.h"

#include <optional>
#include <string_view>

namespace zel {

std::optional<std::string_view> survey_setup_template(const BuildConfig& build, Orientation orientation);
std::optional<std::string_view> system_setup_template(const BuildConfig& build, Orientation orientation);
std::optional<std::string_view> logger_setup_template(const BuildConfig& build, Orientation orientation);

// Template names are matched without regard to (ASCII) case.
bool template_names_match(std::string_view a, std::string_view b);

}  // namespace zel
