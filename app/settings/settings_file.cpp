#include "app/settings/settings_file.h"

#include "app/catalogue/catalogue.h"
#include "app/settings/settings_lines.h"
#include "app/settings/settings_text.h"

namespace zel {
namespace {

// Far more than any settings file of this system holds; a larger file is read only this far.
constexpr std::size_t kMaxFileSize = 64 * 1024;

BytesEnd bytes_end(platform::ReadOutcome outcome) {
    return outcome == platform::ReadOutcome::Complete ? BytesEnd::EndOfFile : BytesEnd::Unreadable;
}

}  // namespace

std::string_view settings_folder(platform::StorageLocation location) {
    return location == platform::StorageLocation::Storage ? "Storage\\BRUINI" : "\\BRUINI";
}

SettingsFile::SettingsFile(const BuildConfig& build, const platform::DeviceFiles& files,
                           platform::StorageLocation location)
    : m_build(build), m_files(files), m_folder(settings_folder(location)), m_version_line(settings_version_line(build)) {
    if (std::optional<std::string_view> name = settings_file_name(build)) m_path = m_folder + "\\" + std::string(*name);
}

LoadOutcome SettingsFile::load(Settings& settings) const {
    if (m_path.empty() || !m_version_line) return LoadOutcome::NoSettingsFile;
    m_files.create_folder(m_folder);
    platform::FileContents contents = m_files.read_file(m_path, kMaxFileSize);
    if (contents.outcome == platform::ReadOutcome::CannotOpen) return replace_with(settings, LoadOutcome::CreatedDefaults);
    return read_lines(contents, settings);
}

LoadOutcome SettingsFile::read_lines(const platform::FileContents& contents, Settings& settings) const {
    SettingsLineReader reader(contents.bytes, bytes_end(contents.outcome));
    SettingsTextLine version = reader.next(kMaxNumberLineLength);
    if (version.status == LineStatus::Unreadable) return LoadOutcome::Corrupted;
    // An empty file or an endless first line is no file of this version either.
    if (version.status != LineStatus::Ok || version.text != *m_version_line) {
        m_files.delete_file(m_path);
        return replace_with(settings, LoadOutcome::ReplacedOtherVersion);
    }
    for (const SettingsLine& line : settings_lines()) {
        if (!line.present(m_build)) continue;
        SettingsTextLine text = reader.next(max_line_length(line.format));
        if (text.status != LineStatus::Ok) return LoadOutcome::Corrupted;
        SettingRef setting = line.field(settings);
        if (!parse_value(text.text, line.format, setting)) return LoadOutcome::Corrupted;
        if (line.on_load == OnLoad::Discard) *std::get<float*>(setting) = 0.0f;
        if (!passes_check(line.check, settings, setting)) return LoadOutcome::Corrupted;
    }
    return LoadOutcome::Loaded;
}

LoadOutcome SettingsFile::replace_with(const Settings& settings, LoadOutcome outcome) const {
    save(settings);
    return outcome;
}

std::string SettingsFile::text(const Settings& settings) const {
    if (!m_version_line) return {};
    std::string text = *m_version_line + "\r\n";
    Settings values = settings;  // the line table hands out references for reading and writing alike
    for (const SettingsLine& line : settings_lines())
        if (line.present(m_build)) text += format_value(line.format, line.field(values));
    return text;
}

bool SettingsFile::save(const Settings& settings) const {
    if (m_path.empty() || !m_version_line) return false;
    m_files.create_folder(m_folder);
    return m_files.write_file(m_path, text(settings));
}

bool SettingsFile::remove() const {
    if (m_path.empty()) return false;
    m_files.create_folder(m_folder);
    return m_files.delete_file(m_path);
}

}  // namespace zel
