#pragma once

// The text of settings lines: how one line is cut from the file's bytes, and how one value is
// written and read in each line format.

#include "app/settings/settings_lines.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zel {

// The longest value line accepted: "%f" of the largest double with its sign. Anything longer was
// not written by this system.
inline constexpr std::size_t kMaxNumberLineLength = 320;

std::size_t max_line_length(LineFormat format);

// How the bytes handed to the reader end.
enum class BytesEnd {
    EndOfFile,  // the file ends there
    Unreadable, // reading failed there (or stopped short of a file too large to be ours)
};

enum class LineStatus {
    Ok,
    Missing,     // the file ended before the line began
    TooLong,
    Unreadable,
};

struct SettingsTextLine {
    LineStatus status = LineStatus::Ok;
    std::string text;
};

// Cuts lines as the file was always read: byte by byte up to a line feed, dropping the byte
// before it (the carriage return, or whatever stands there). Reaching the end of the file ends
// the line and empties it, even after characters; a line of which not one byte is left is
// missing, which a file cut short shows. Reaching unreadable bytes, or more than max_length
// characters before the line feed, is a failure and the reader stops there.
class SettingsLineReader {
public:
    SettingsLineReader(std::span<const char> bytes, BytesEnd end);

    SettingsTextLine next(std::size_t max_length);

private:
    std::span<const char> m_bytes;
    BytesEnd m_end;
    std::size_t m_position = 0;
};

// Stores the line's value in the setting; false when the text is not a value of the format
// (garbage, trailing characters, a number out of range, a text longer than a line name). An empty
// line reads as 0 or as the empty text.
bool parse_value(std::string_view text, LineFormat format, SettingRef setting);

// The line for the setting's value, CR LF included. Reals use a point whatever the locale.
std::string format_value(LineFormat format, SettingRef setting);

}  // namespace zel
