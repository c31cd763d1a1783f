#include "app/data_file/file_naming.h"

#include "app/catalogue/catalogue.h"
#include "instruments/records/record_fields.h"
#include "instruments/records/single_byte_text.h"

namespace zel {

namespace {

std::string_view storage_folder(platform::StorageLocation storage) {
    return storage == platform::StorageLocation::Storage ? "Storage" : "My Documents";
}

std::string two_digits(int value) { return record_fields::integer(value, 2, record_fields::Padding::Zeros); }

std::string in_folder(std::string_view folder_path, std::string_view stem, char letter, std::string_view extension) {
    std::string path(folder_path);
    path += '\\';
    path += stem;
    path += letter;
    path += '.';
    path += extension;
    return path;
}

}  // namespace

std::optional<std::string> data_folder_path(const BuildConfig& build, platform::StorageLocation storage) {
    const std::optional<std::string_view> folder = data_folder(build);
    if (!folder) return std::nullopt;
    std::string path(storage_folder(storage));
    path += '\\';
    path += *folder;
    return path;
}

std::string dialog_folder(std::string_view folder_path) {
    std::string shown = "\\";
    shown += folder_path;
    shown += '\\';
    return shown;
}

std::string proposal_stem(const platform::LocalTime& time) {
    return two_digits(time.month) + two_digits(time.day) + two_digits(time.hour);
}

std::string propose_name(const platform::DeviceFiles& files, std::string_view folder_path,
                         std::string_view extension, const platform::LocalTime& time) {
    (void)files.create_folder(folder_path);  // a folder that cannot be made shows up at creation
    const std::string stem = proposal_stem(time);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (!files.file_exists(in_folder(folder_path, stem, letter, extension))) return stem + letter;
    return in_folder(folder_path, stem, 'Z', extension);
}

std::string base_name_of(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    name = name.substr(0, name.find('.'));
    return to_single_byte(name);
}

}  // namespace zel
