#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/build_config.h"
#include "platform/clock/clock.h"
#include "platform/files/device_files.h"
#include "platform/files/storage_location.h"

// Where a run's data file goes and what it is called: the data folder of the storage location,
// a proposal from the date and hour, and the base name that the header and status line show.
namespace zel {

inline constexpr std::string_view kCreateDataFileTitle = "Create Data File";
// Shown, with an exclamation icon, when the chosen name is that of an existing file.
inline constexpr std::string_view kNameTakenText = "The file already exisits. Please enter another name";
inline constexpr std::string_view kNameTakenCaption = "WARNING";

// "Storage\DATAZEL601" or "My Documents\DATAZEL601": the folder as created and searched. Empty
// for a type without a data folder.
std::optional<std::string> data_folder_path(const BuildConfig& build, platform::StorageLocation storage);
// "\Storage\DATAZEL601\": the folder as the save-file dialog shows it.
std::string dialog_folder(std::string_view folder_path);

// "120914": month, day and hour, two digits each.
std::string proposal_stem(const platform::LocalTime& time);

// The proposed name: the stem and the first letter from "A" to "Z" whose file of this extension
// is not in the folder, without folder or extension ("120914B"). When all 26 exist, the full
// path of the "Z" name, so that the operator sees it is taken and types another. Creates the
// folder first, as the dialog will show it.
std::string propose_name(const platform::DeviceFiles& files, std::string_view folder_path,
                         std::string_view extension, const platform::LocalTime& time);

// The characters between the last folder separator and the first point of a chosen path, in
// single bytes: "a.b.601" gives "a". A character without a single-byte form becomes "?", never
// a control byte that would break the header's fixed columns.
std::string base_name_of(std::string_view path);

}  // namespace zel
