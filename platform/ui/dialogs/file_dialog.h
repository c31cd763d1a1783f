#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/window.h"

namespace zel::platform {

struct FileDialogOptions {
    std::string title;
    std::string folder;     // where the list starts and where a bare name is placed
    std::string file_name;  // the proposal: a name, or a whole path
    // Pairs of texts ending in an empty text: "GRAD601 Files (*.601)\0*.601\0\0". A pattern
    // may list several, separated by ";".
    const char* filter = nullptr;
    int filter_index = 0;           // 1 is the first pair; 0 means the first as well
    std::string default_extension;  // added, after a ".", to a name typed without one
};

// Our own file choosers: the folder's files that match the chosen filter in a list, the name in
// an edit (a tap on the list copies a name there), OK and Cancel. They return the full path, or
// nothing when cancelled or when they could not run. The open dialog insists on an existing file.
std::optional<std::string> save_file_dialog(Window owner, const FileDialogOptions& options);
std::optional<std::string> open_file_dialog(Window owner, const FileDialogOptions& options);

struct FileFilter {
    std::string text;
    std::vector<std::string> patterns;
};
std::vector<FileFilter> parse_file_filter(const char* filter);
// "*" and "?" as usual, letters in any case, as the device's file system compares names.
bool matches_pattern(std::string_view name, std::string_view pattern);
// The typed name as a path: placed in the folder unless it is a whole path, with the default
// extension when its last part has none.
std::string resolve_file_name(std::string_view folder, std::string_view typed, std::string_view default_extension);
// The regular files of the folder that match one of the patterns, sorted as the operator reads.
std::vector<std::string> matching_files(const std::string& folder, const std::vector<std::string>& patterns);

}  // namespace zel::platform
