#pragma once

#include <string>
#include <string_view>

#include "app/data_file/data_file_values.h"
#include "platform/files/device_files.h"

namespace zel {

struct AppState;

enum class DataFileCreation {
    Created,    // the file holds its header, first line block and time record, open for appending
    NameTaken,  // a file of that name exists: refuse with kNameTakenText and ask again
    Failed,     // it could not be created or written whole; nothing is left open or behind
};

// Shown when the file cannot be created or its first records not written.
inline constexpr std::string_view kCreateFailedText = "The file could not be created. Please enter another name";

struct CreatedDataFile {
    DataFileCreation outcome = DataFileCreation::Failed;
    std::string base_name;  // the status line shows its first 8 characters, the header its first 9
};

// Creates the data file at the chosen path (a system path such as "Storage\DATAZEL601\a.601"):
// the header block, the first line block and a time record with the clock's date, time and tick,
// then reopens it for appending as the run's data file. An existing file is never touched. A
// file that could not be written whole is removed again rather than kept as a run's data file
// without its header.
CreatedDataFile create_data_file(AppState& app, const platform::DeviceFiles& files, std::string_view chosen_path,
                                 const RunFacts& facts);

}  // namespace zel
