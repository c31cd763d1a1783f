#include "platform/shell/command_line.h"

#include <charconv>

namespace zel::platform {

namespace {

constexpr int kLastPort = 18;

// Digits only: a sign is no part of a size, a zoom or a port number.
std::optional<int> whole_number(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "480x640"
std::optional<Size> screen_size(std::string_view text) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto w = whole_number(text.substr(0, x));
    const auto h = whole_number(text.substr(x + 1));
    if (!w || !h) return std::nullopt;
    return Size{*w, *h};
}

// "COM3=/dev/ttyUSB0"
std::optional<PortMapping> port_mapping(std::string_view text) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || text.substr(0, 3) != "COM") return std::nullopt;
    const auto n = whole_number(text.substr(3, eq - 3));
    const std::string_view path = text.substr(eq + 1);
    if (!n || *n < 1 || *n > kLastPort || path.empty()) return std::nullopt;
    return PortMapping{*n, std::string(path)};
}

class Parser {
public:
    explicit Parser(std::span<const std::string_view> args) : m_args(args) {}

    CommandLineResult run() {
        while (m_next < m_args.size() && m_error.empty()) option(m_args[m_next++]);
        if (!m_error.empty()) return {std::nullopt, m_error};
        return {m_result, {}};
    }

private:
    void option(std::string_view arg) {
        std::optional<std::string_view> inline_value;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            inline_value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        if (arg == "--headless") {
            if (inline_value) return fail("option --headless takes no value");
            m_result.display = DisplayChoice::Headless;
            return;
        }
        if (arg != "--root" && arg != "--screen" && arg != "--zoom" && arg != "--port" &&
            arg != "--script") {
            return fail(arg.starts_with("-") ? "unknown option " + std::string(arg)
                                             : "unexpected argument " + std::string(arg));
        }
        std::string_view value;
        if (inline_value) {
            value = *inline_value;
        } else if (m_next < m_args.size()) {
            value = m_args[m_next++];
        } else {
            return fail("option " + std::string(arg) + " needs a value");
        }
        if (value.empty()) return fail("option " + std::string(arg) + " needs a value");
        with_value(arg, value);
    }

    void with_value(std::string_view option, std::string_view value) {
        if (option == "--root") return once(m_result.root, option, value);
        if (option == "--script") return once(m_result.script, option, value);
        if (option == "--screen") return screen(value);
        if (option == "--zoom") return zoom(value);
        port(value);
    }

    void once(std::optional<std::string>& slot, std::string_view option, std::string_view value) {
        if (slot) return fail("option " + std::string(option) + " given twice");
        slot = std::string(value);
    }

    void screen(std::string_view value) {
        const auto size = screen_size(value);
        if (!size) return fail("--screen needs WIDTHxHEIGHT, for example 480x640, not " + std::string(value));
        if (size->width < kSmallestScreen.width || size->height < kSmallestScreen.height) {
            return fail("screen " + std::string(value) + " is too small: at least 240x240");
        }
        if (size->width > kLargestScreen.width || size->height > kLargestScreen.height) {
            return fail("screen " + std::string(value) + " is too large: at most 4096x4096");
        }
        m_result.screen = *size;
    }

    void zoom(std::string_view value) {
        const auto n = whole_number(value);
        if (!n || *n < 1 || *n > kLargestZoom) {
            return fail("--zoom needs a whole number from 1 to 8, not " + std::string(value));
        }
        m_result.zoom = *n;
    }

    void port(std::string_view value) {
        const auto mapping = port_mapping(value);
        if (!mapping) return fail("--port needs COMn=PATH with n from 1 to 18, not " + std::string(value));
        for (const PortMapping& known : m_result.ports) {
            if (known.number == mapping->number) {
                return fail("port COM" + std::to_string(mapping->number) + " given twice");
            }
        }
        m_result.ports.push_back(*mapping);
    }

    void fail(std::string message) { m_error = std::move(message); }

    std::span<const std::string_view> m_args;
    std::size_t m_next = 0;
    CommandLine m_result;
    std::string m_error;
};

}  // namespace

CommandLineResult parse_command_line(std::span<const std::string_view> args) {
    return Parser(args).run();
}

CommandLineResult parse_command_line(int argc, const char* const* argv) {
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return parse_command_line(args);
}

std::string usage(std::string_view program) {
    return "usage: " + std::string(program) +
           " [--root DIR] [--screen WxH] [--zoom N] [--port COMn=PATH]... [--headless]"
           " [--script FILE]";
}

}  // namespace zel::platform
