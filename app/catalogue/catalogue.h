#pragma once

// The instrument catalogue: every per-type name and file of a build, as pure functions of the
// BuildConfig (and, where a name depends on it, of the screen or the EM61-MK2 type setting).
// An item that a type does not have is an empty optional, never an empty text.

#include "app/build_config.h"
#include "app/catalogue/screen_kind.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Whether the settings say the instrument is used; without it a run records GPS only.
enum class InstrumentUse { Enabled, Disabled };

// The EM61-MK2 type setting value that turns an EM61/F3 build into a MineLab F3 logger.
inline constexpr int kEm61Mk2TypeMineLabF3 = 4;

bool is_minelab_f3(const BuildConfig& build, int em61mk2_type);

// Identity, settings and data files.
std::optional<std::string_view> model_name(const BuildConfig& build);
// The name under the version text of an EM61/F3 build's start screen, by EM61-MK2 type.
std::optional<std::string_view> start_screen_model_name(const BuildConfig& build, int em61mk2_type);
std::optional<std::string_view> settings_file_name(const BuildConfig& build);
std::optional<std::string_view> settings_version(const BuildConfig& build);
// "Ver3.27": the first line of the settings file.
std::optional<std::string> settings_version_line(const BuildConfig& build);
// " SYMULATOR" when any simulation switch or the alternative EM38 reader is on, else empty.
std::string_view version_suffix(const BuildConfig& build);
// "V 3.27wm" and the suffix: the version text of the start screen.
std::optional<std::string> start_screen_version_text(const BuildConfig& build);
std::optional<std::string_view> data_folder(const BuildConfig& build);
std::optional<std::string_view> data_extension(const BuildConfig& build, InstrumentUse use);
// The file-dialog filter: label, NUL, "*." and the extension, NUL, and the closing empty string
// (so the text ends in two NULs, both part of the returned string).
std::optional<std::string> data_filter(const BuildConfig& build, InstrumentUse use);
// The nine characters that open a data file's header line, and the three version digits.
std::optional<std::string_view> header_tag(const BuildConfig& build, int em61mk2_type);
std::optional<std::string_view> header_version_digits(const BuildConfig& build);
// Bytes per data-file record.
int record_length(const BuildConfig& build);

// Names shown to the operator.
std::optional<std::string_view> port_label(const BuildConfig& build);
// Shown with the caption "Serial Port" when the instrument port cannot be opened.
std::optional<std::string_view> open_port_failure_text(const BuildConfig& build, int em61mk2_type);
std::optional<std::string> splash_bitmap(const BuildConfig& build, Orientation orientation, ScreenClass screen);
std::string company_bitmap(Orientation orientation, ScreenClass screen);
std::string logo_bitmap(Orientation orientation, ScreenClass screen);

}  // namespace zel
