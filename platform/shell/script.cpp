#include "platform/shell/script.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace zel::platform {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// The command word and what follows it after one run of blanks.
struct Words {
    std::string_view command;
    std::string_view rest;
};

Words split_command(std::string_view line) {
    const auto end = line.find_first_of(kBlanks);
    if (end == std::string_view::npos) return {line, {}};
    const auto rest = line.find_first_not_of(kBlanks, end);
    return {line.substr(0, end), rest == std::string_view::npos ? std::string_view{} : line.substr(rest)};
}

std::optional<int> whole_number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Either a step or why the line is wrong.
struct LineResult {
    ScriptStep step;
    std::string error;
};

ScriptStep make_step(StepKind kind) {
    ScriptStep step;
    step.kind = kind;
    return step;
}

LineResult fail(std::string message) { return {{}, std::move(message)}; }

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

LineResult key_step(std::string_view arg) {
    if (arg.empty()) return fail("key needs a key: one character or a key name such as Enter");
    std::optional<KeyStroke> stroke =
        arg.size() == 1 ? key_for_character(static_cast<unsigned char>(arg[0])) : key_for_name(arg);
    if (!stroke) return fail("unknown key " + quoted(arg));
    ScriptStep step = make_step(StepKind::Key);
    step.keys.push_back(*stroke);
    return {step, {}};
}

LineResult type_step(std::string_view text) {
    if (text.empty()) return fail("type needs the text to type");
    ScriptStep step = make_step(StepKind::Type);
    step.text = std::string(text);
    for (char c : text) {
        const auto stroke = key_for_character(static_cast<unsigned char>(c));
        if (!stroke) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(c));
            return fail(std::string("cannot type the character ") + code +
                        ": only printable ASCII characters can be typed");
        }
        step.keys.push_back(*stroke);
    }
    return {step, {}};
}

LineResult tap_step(std::string_view args) {
    const Words xy = split_command(args);
    const auto x = whole_number(xy.command);
    const auto y = whole_number(xy.rest);
    if (!x || !y || *x < 0 || *y < 0) return fail("tap needs two pixel coordinates X Y, not " + quoted(args));
    ScriptStep step = make_step(StepKind::Tap);
    step.position = {*x, *y};
    return {step, {}};
}

LineResult wait_step(std::string_view arg) {
    const auto ms = whole_number(arg);
    if (!ms || *ms < 0 || *ms > kLongestWait.count()) {
        return fail("wait needs milliseconds from 0 to 3600000, not " + quoted(arg));
    }
    ScriptStep step = make_step(StepKind::Wait);
    step.duration = std::chrono::milliseconds(*ms);
    return {step, {}};
}

LineResult screenshot_step(std::string_view arg) {
    if (arg.empty()) return fail("screenshot needs a file name");
    ScriptStep step = make_step(StepKind::Screenshot);
    step.path = std::string(arg);
    return {step, {}};
}

LineResult quit_step(std::string_view arg) {
    if (!arg.empty()) return fail("quit takes nothing after it");
    return {make_step(StepKind::Quit), {}};
}

// Text to type keeps its inner and trailing blanks; every other argument is trimmed.
LineResult parse_line(std::string_view line) {
    const Words words = split_command(trim(line));
    const std::string_view untrimmed_rest = split_command(line.substr(line.find_first_not_of(kBlanks))).rest;
    if (words.command == "key") return key_step(words.rest);
    if (words.command == "type") return type_step(untrimmed_rest);
    if (words.command == "tap") return tap_step(words.rest);
    if (words.command == "wait") return wait_step(words.rest);
    if (words.command == "screenshot") return screenshot_step(words.rest);
    if (words.command == "quit") return quit_step(words.rest);
    return fail("unknown command " + quoted(words.command));
}

}  // namespace

Script parse_script(std::string_view text) {
    Script script;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view content = trim(line);
        if (content.empty() || content.front() == '#') continue;
        LineResult r = parse_line(line);
        if (!r.error.empty()) {
            return {{}, "script line " + std::to_string(number) + ": " + r.error};
        }
        r.step.line = number;
        script.steps.push_back(std::move(r.step));
    }
    return script;
}

Script load_script(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {{}, "cannot read the script " + path};
    std::ostringstream text;
    text << in.rdbuf();
    Script script = parse_script(text.str());
    if (!script.error.empty()) script.error = path + ": " + script.error;
    return script;
}

}  // namespace zel::platform
