#include "platform/ui/dialogs/file_dialog.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/ui/dialogs/dialog.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/screen.h"

namespace zel::platform {

namespace {

enum : int { kFolderId = 1101, kListId = 1102, kNameLabelId = 1103, kNameId = 1104, kTypeLabelId = 1105, kTypeId = 1106 };

enum class FileMode { Save, Open };

struct FileDialogState {
    FileMode mode = FileMode::Save;
    FileDialogOptions options;
    std::vector<FileFilter> filters;
    std::string chosen;
};

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string trimmed(std::string_view s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

void fill_list(Window dialog, FileDialogState& state) {
    Window list = dialog_item(dialog, kListId);
    reset_content(list);
    int chosen = selection(dialog_item(dialog, kTypeId));
    std::vector<std::string> patterns{"*"};
    if (chosen >= 0 && chosen < static_cast<int>(state.filters.size())) patterns = state.filters[chosen].patterns;
    for (const std::string& name : matching_files(state.options.folder, patterns)) add_string(list, name);
}

LResult on_init(Window dialog, MessageId, WParam, LParam) {
    FileDialogState* state = dialog_data<FileDialogState>(dialog);
    if (state == nullptr) return 1;
    Window type = dialog_item(dialog, kTypeId);
    for (const FileFilter& f : state->filters) combo_add(type, f.text);
    set_selection(type, std::max(0, state->options.filter_index - 1));
    fill_list(dialog, *state);
    Window name = dialog_item(dialog, kNameId);
    name.set_text(state->options.file_name);
    name.focus();
    return 0;
}

// OK with a usable name ends the dialog; an empty name, or a missing file to open, keeps it.
void accept(Window dialog, FileDialogState& state) {
    std::string typed = trimmed(dialog_text(dialog, kNameId));
    if (typed.empty()) {
        if (Screen* screen = Screen::of(dialog)) screen->beep(Beep::Simple);
        return;
    }
    std::string path = resolve_file_name(state.options.folder, typed, state.options.default_extension);
    std::error_code ec;
    if (state.mode == FileMode::Open && !std::filesystem::is_regular_file(path, ec)) {
        message_box(dialog, typed + "\nFile not found.", state.options.title, MessageButtons::Ok,
                    MessageIcon::Exclamation);
        dialog_item(dialog, kNameId).focus();
        return;
    }
    state.chosen = path;
    end_dialog(dialog, kIdOk);
}

LResult on_command(Window dialog, MessageId, WParam wparam, LParam) {
    FileDialogState* state = dialog_data<FileDialogState>(dialog);
    if (state == nullptr) return 0;
    int id = low_word(wparam);
    int code = high_word(wparam);
    if (id == kListId && code == notify::selection_change) {
        Window list = dialog_item(dialog, kListId);
        dialog_item(dialog, kNameId).set_text(item_text(list, selection(list)));
        return 1;
    }
    if (id == kTypeId && code == notify::selection_change) {
        fill_list(dialog, *state);
        return 1;
    }
    if (id == kIdOk && code == notify::clicked) {
        accept(dialog, *state);
        return 1;
    }
    return 0;
}

constexpr DialogEntry kFileDialogProcedure[] = {
    {dlg::init, on_init},
    {msg::command, on_command},
};

DialogLayout file_layout(const FileDialogState& state, const Font* font, Size screen) {
    int line = font != nullptr ? font->metrics().height : 13;
    int average = font != nullptr ? font->metrics().average_char_width : 7;
    int field = line + 6;
    int width = std::min(screen.width - 12, 40 * average);
    int label = 6 * average;
    int rows = std::clamp((screen.height - 8 * field) / (line + 2), 3, 8);
    DialogLayout layout;
    layout.caption = state.options.title;
    int y = 4;
    layout.controls.push_back({ControlKind::Static, kFolderId, state.options.folder, Rect::from_size(4, y, width - 8, line)});
    y += line + 4;
    layout.controls.push_back({ControlKind::ListBox, kListId, "", Rect::from_size(4, y, width - 8, rows * (line + 2) + 2),
                               ControlStyle::VerticalScroll});
    y += rows * (line + 2) + 2 + 6;
    layout.controls.push_back({ControlKind::Static, kNameLabelId, "&Name:", Rect::from_size(4, y + 3, label, line)});
    layout.controls.push_back({ControlKind::Edit, kNameId, "", Rect::from_size(4 + label, y, width - 8 - label, field),
                               ControlStyle::Border});
    y += field + 4;
    layout.controls.push_back({ControlKind::Static, kTypeLabelId, "&Type:", Rect::from_size(4, y + 3, label, line)});
    layout.controls.push_back({ControlKind::ComboBox, kTypeId, "",
                               Rect::from_size(4 + label, y, width - 8 - label, field + 4 * (line + 2) + 2)});
    y += field + 8;
    int button = 10 * average;
    int gap = (width - 2 * button) / 3;
    layout.controls.push_back({ControlKind::PushButton, kIdOk, "OK", Rect::from_size(gap, y, button, line + 10),
                               ControlStyle::DefaultButton});
    layout.controls.push_back({ControlKind::PushButton, kIdCancel, "Cancel",
                               Rect::from_size(width - gap - button, y, button, line + 10)});
    layout.client = {width, y + line + 10 + 6};
    return layout;
}

std::optional<std::string> run_file_dialog(Window owner, const FileDialogOptions& options, FileMode mode) {
    Screen* screen = Screen::of(owner);
    if (screen == nullptr) return std::nullopt;
    auto data = UserData::owned<FileDialogState>();
    FileDialogState* state = data.get<FileDialogState>();
    state->mode = mode;
    state->options = options;
    state->filters = parse_file_filter(options.filter);
    if (state->filters.empty()) state->filters.push_back({"All Files (*.*)", {"*"}});
    DialogLayout layout = file_layout(*state, screen->ui_font(), screen->size());
    if (run_dialog(owner, layout, kFileDialogProcedure, data) != kIdOk) return std::nullopt;
    return state->chosen;
}

bool match_from(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (match_from(name.substr(skip), pattern.substr(1))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    if (pattern.front() != '?' && upper(pattern.front()) != upper(name.front())) return false;
    return match_from(name.substr(1), pattern.substr(1));
}

}  // namespace

std::vector<FileFilter> parse_file_filter(const char* filter) {
    std::vector<FileFilter> filters;
    if (filter == nullptr) return filters;
    while (*filter != '\0') {
        std::string text = filter;
        filter += text.size() + 1;
        if (*filter == '\0') break;  // a text without patterns ends the list
        std::string patterns = filter;
        filter += patterns.size() + 1;
        FileFilter f{std::move(text), {}};
        std::size_t start = 0;
        while (start <= patterns.size()) {
            std::size_t end = patterns.find(';', start);
            std::string one = trimmed(std::string_view(patterns).substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (!one.empty()) f.patterns.push_back(one);
            if (end == std::string::npos) break;
            start = end + 1;
        }
        filters.push_back(std::move(f));
    }
    return filters;
}

bool matches_pattern(std::string_view name, std::string_view pattern) {
    // "*.*" names every file, also one without a point, as the customary filter means it.
    if (pattern == "*.*") return true;
    return match_from(name, pattern);
}

std::string resolve_file_name(std::string_view folder, std::string_view typed, std::string_view default_extension) {
    std::string path = typed.starts_with('/') || folder.empty()
                           ? std::string(typed)
                           : std::string(folder) + (folder.ends_with('/') ? "" : "/") + std::string(typed);
    std::string_view last = std::string_view(path).substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    std::string_view extension = default_extension;
    if (extension.starts_with('.')) extension.remove_prefix(1);
    if (last.find('.') == std::string_view::npos && !extension.empty()) path += "." + std::string(extension);
    return path;
}

std::vector<std::string> matching_files(const std::string& folder, const std::vector<std::string>& patterns) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind_error;
        if (!it->is_regular_file(kind_error)) continue;
        std::string name = it->path().filename().string();
        if (std::any_of(patterns.begin(), patterns.end(), [&](const std::string& p) { return matches_pattern(name, p); })) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return upper(x) < upper(y); });
    });
    return names;
}

std::optional<std::string> save_file_dialog(Window owner, const FileDialogOptions& options) {
    return run_file_dialog(owner, options, FileMode::Save);
}

std::optional<std::string> open_file_dialog(Window owner, const FileDialogOptions& options) {
    return run_file_dialog(owner, options, FileMode::Open);
}

}  // namespace zel::platform
