#include "platform/shell/command_line.h"

#include <gtest/gtest.h>

namespace zel::platform {
namespace {

CommandLineResult parse(std::initializer_list<std::string_view> args) {
    return parse_command_line(std::span<const std::string_view>(args.begin(), args.size()));
}

TEST(CommandLine, DefaultsWithoutOptions) {
    const CommandLineResult r = parse({});
    ASSERT_TRUE(r.command_line) << r.error;
    EXPECT_EQ(r.command_line->screen, (Size{240, 320}));
    EXPECT_EQ(r.command_line->zoom, 1);
    EXPECT_EQ(r.command_line->display, DisplayChoice::Screen);
    EXPECT_FALSE(r.command_line->root);
    EXPECT_FALSE(r.command_line->script);
    EXPECT_TRUE(r.command_line->ports.empty());
}

TEST(CommandLine, EveryOptionInBothForms) {
    const char* argv[] = {"zel-grad601", "--root",   "/tmp/dev", "--screen=800x480", "--zoom", "2",
                          "--port",      "COM1=/dev/pts/3", "--port=COM18=/tmp/gps", "--headless",
                          "--script",    "run.txt"};
    const CommandLineResult r = parse_command_line(static_cast<int>(std::size(argv)), argv);
    ASSERT_TRUE(r.command_line) << r.error;
    const CommandLine& c = *r.command_line;
    EXPECT_EQ(c.root, "/tmp/dev");
    EXPECT_EQ(c.screen, (Size{800, 480}));
    EXPECT_EQ(c.zoom, 2);
    EXPECT_EQ(c.ports, (std::vector<PortMapping>{{1, "/dev/pts/3"}, {18, "/tmp/gps"}}));
    EXPECT_EQ(c.display, DisplayChoice::Headless);
    EXPECT_EQ(c.script, "run.txt");
}

TEST(CommandLine, ListedScreenSizesAreAccepted) {
    for (const char* size : {"240x320", "320x240", "480x640", "640x480", "800x480", "240x240"}) {
        SCOPED_TRACE(size);
        const CommandLineResult r = parse({"--screen", size});
        EXPECT_TRUE(r.command_line) << r.error;
    }
}

TEST(CommandLine, BadOptionsGiveAClearMessage) {
    struct Case {
        std::vector<std::string_view> args;
        const char* message_part;
    };
    const Case cases[] = {
        {{"--screen", "239x320"}, "too small"},
        {{"--screen", "320x200"}, "too small"},
        {{"--screen", "5000x480"}, "too large"},
        {{"--screen", "480"}, "WIDTHxHEIGHT"},
        {{"--screen", "480x"}, "WIDTHxHEIGHT"},
        {{"--screen", "-480x640"}, "WIDTHxHEIGHT"},
        {{"--zoom", "0"}, "1 to 8"},
        {{"--zoom", "9"}, "1 to 8"},
        {{"--zoom", "2x"}, "1 to 8"},
        {{"--port", "COM0=/dev/x"}, "COMn=PATH"},
        {{"--port", "COM19=/dev/x"}, "COMn=PATH"},
        {{"--port", "COM3"}, "COMn=PATH"},
        {{"--port", "COM3="}, "COMn=PATH"},
        {{"--port", "ttyS0=/dev/x"}, "COMn=PATH"},
        {{"--port", "COM2=/a", "--port", "COM2=/b"}, "COM2 given twice"},
        {{"--root", "/a", "--root", "/b"}, "--root given twice"},
        {{"--root"}, "needs a value"},
        {{"--script="}, "needs a value"},
        {{"--headless=yes"}, "takes no value"},
        {{"--fullscreen"}, "unknown option --fullscreen"},
        {{"extra"}, "unexpected argument extra"},
    };
    for (const Case& c : cases) {
        const CommandLineResult r = parse_command_line(c.args);
        SCOPED_TRACE(std::string(c.args[0]) + (c.args.size() > 1 ? " " + std::string(c.args[1]) : ""));
        EXPECT_FALSE(r.command_line);
        EXPECT_NE(r.error.find(c.message_part), std::string::npos) << r.error;
    }
}

}  // namespace
}  // namespace zel::platform
