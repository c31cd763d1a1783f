#include "app/data_file/data_file_creation.h"

#include <filesystem>
#include <system_error>

#include "app/app_state.h"
#include "app/data_file/file_naming.h"

namespace zel {

namespace {

// Bytes of a whole header block, first line block and time record of these values.
template <std::size_t R>
std::uintmax_t first_records_size(const HeaderValues& header, const LineBlockValues& line,
                                  const platform::LocalTime& time) {
    return (header_block<R>(header).size() + line_block<R>(line, time).size() + 1) * R;
}

bool written_whole(const std::filesystem::path& path, std::uintmax_t expected_size) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size == expected_size;
}

}  // namespace

CreatedDataFile create_data_file(AppState& app, const platform::DeviceFiles& files, std::string_view chosen_path,
                                 const RunFacts& facts) {
    CreatedDataFile created;
    created.base_name = base_name_of(chosen_path);
    if (files.file_exists(chosen_path)) {
        created.outcome = DataFileCreation::NameTaken;
        return created;
    }

    const HeaderValues header = header_values(app.build, app.settings, app.derived, facts, created.base_name);
    const LineBlockValues line = line_block_values(app.settings, app.derived, facts);
    const platform::LocalTime time = app.clock.local_time();
    const std::filesystem::path path = files.host_path(chosen_path);

    switch (app.records.create_file(path, header, line, time, app.clock.tick())) {
    case platform::CreateResult::AlreadyExists: created.outcome = DataFileCreation::NameTaken; return created;
    case platform::CreateResult::Failed: created.outcome = DataFileCreation::Failed; return created;
    case platform::CreateResult::Created: break;
    }

    const std::uintmax_t expected = uses_short_records(app.build.type)
                                        ? first_records_size<kShortRecord>(header, line, time)
                                        : first_records_size<kLongRecord>(header, line, time);
    if (!app.data_file.is_open() || !written_whole(path, expected)) {
        // This file was created here, exclusively, a moment ago: removing it loses nothing.
        app.data_file.close();
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        created.outcome = DataFileCreation::Failed;
        return created;
    }
    created.outcome = DataFileCreation::Created;
    return created;
}

}  // namespace zel
