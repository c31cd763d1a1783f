#pragma once

// The settings file of a build: loaded once at start, saved in full after every settings
// change, deleted to go back to the defaults.

#include "app/build_config.h"
#include "app/settings/settings.h"
#include "platform/files/device_files.h"
#include "platform/files/storage_location.h"

#include <optional>
#include <string>

namespace zel {

enum class LoadOutcome {
    Loaded,                // every line read and valid
    CreatedDefaults,       // no file: one was written from the settings in memory
    ReplacedOtherVersion,  // another version's file was deleted and rewritten from memory
    Corrupted,             // a line failed; the values read before it stay in memory
    NoSettingsFile,        // the build has no settings file (types 4 to 6)
};

// "Storage\BRUINI" or "\BRUINI".
std::string_view settings_folder(platform::StorageLocation location);

// Keeps a reference to the device files, which the application object owns for the program's life.
class SettingsFile {
public:
    SettingsFile(const BuildConfig& build, const platform::DeviceFiles& files, platform::StorageLocation location);

    // The file's system path, such as "Storage\BRUINI\Z601CX.INI"; empty when the build has none.
    const std::string& path() const { return m_path; }

    // Reads the file over the values in memory, which must be the defaults.
    LoadOutcome load(Settings& settings) const;
    // Writes every line of the build from the values in memory, unvalidated. A failure leaves the
    // old file as it was and is reported only to the caller.
    bool save(const Settings& settings) const;
    bool remove() const;

    // The whole file text for these settings.
    std::string text(const Settings& settings) const;

private:
    LoadOutcome read_lines(const platform::FileContents& contents, Settings& settings) const;
    LoadOutcome replace_with(const Settings& settings, LoadOutcome outcome) const;

    BuildConfig m_build;
    const platform::DeviceFiles& m_files;
    std::string m_folder;
    std::string m_path;
    std::optional<std::string> m_version_line;
};

}  // namespace zel
