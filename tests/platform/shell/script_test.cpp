#include "platform/shell/script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zel::platform {
namespace {

using namespace std::chrono_literals;

TEST(Script, ParsesEveryCommandAndSkipsCommentsAndBlankLines) {
    const Script s = parse_script(
        "# start a run\n"
        "\n"
        "key Enter\r\n"
        "  key l\n"
        "type N 12.5 \n"
        "tap 120 200\n"
        "wait 1500\n"
        "   # indented comment\n"
        "screenshot out/run 1.png\n"
        "quit");
    ASSERT_EQ(s.error, "");
    ASSERT_EQ(s.steps.size(), 7u);

    EXPECT_EQ(s.steps[0].kind, StepKind::Key);
    EXPECT_EQ(s.steps[0].line, 3);
    EXPECT_EQ(s.steps[0].keys, (std::vector<KeyStroke>{{13, '\r', false}}));
    EXPECT_EQ(s.steps[1].keys, (std::vector<KeyStroke>{{'L', 'l', false}}));

    EXPECT_EQ(s.steps[2].kind, StepKind::Type);
    EXPECT_EQ(s.steps[2].text, "N 12.5 ");  // blanks inside and after the text are typed too
    ASSERT_EQ(s.steps[2].keys.size(), 7u);
    EXPECT_EQ(s.steps[2].keys[0], (KeyStroke{'N', 'N', true}));
    EXPECT_EQ(s.steps[2].keys[4], (KeyStroke{0xBE, '.', false}));

    EXPECT_EQ(s.steps[3].kind, StepKind::Tap);
    EXPECT_EQ(s.steps[3].position, (Point{120, 200}));
    EXPECT_EQ(s.steps[4].kind, StepKind::Wait);
    EXPECT_EQ(s.steps[4].duration, 1500ms);
    EXPECT_EQ(s.steps[5].kind, StepKind::Screenshot);
    EXPECT_EQ(s.steps[5].path, "out/run 1.png");
    EXPECT_EQ(s.steps[5].line, 9);
    EXPECT_EQ(s.steps.back().kind, StepKind::Quit);
    EXPECT_EQ(s.steps.back().line, 10);
}

TEST(Script, BadLinesAreNamedByNumber) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"key Enter\nkey Return", "script line 2: unknown key \"Return\""},
        {"key", "script line 1: key needs a key"},
        {"key ab", "script line 1: unknown key \"ab\""},
        {"\n\ntype", "script line 3: type needs the text"},
        {"type caf\xC3\xA9", "script line 1: cannot type the character 0xC3"},
        {"tap 10", "script line 1: tap needs two pixel coordinates"},
        {"tap -1 5", "script line 1: tap needs two pixel coordinates"},
        {"tap 1 2 3", "script line 1: tap needs two pixel coordinates"},
        {"wait soon", "script line 1: wait needs milliseconds"},
        {"wait 3600001", "script line 1: wait needs milliseconds"},
        {"screenshot", "script line 1: screenshot needs a file name"},
        {"quit now", "script line 1: quit takes nothing"},
        {"# fine\nclick 1 2", "script line 2: unknown command \"click\""},
        {"Key Enter", "script line 1: unknown command \"Key\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Script s = parse_script(c.text);
        EXPECT_TRUE(s.steps.empty());
        EXPECT_EQ(s.error.rfind(c.error, 0), 0u) << s.error;
    }
}

TEST(Script, LoadsFromAFileAndReportsAMissingOne) {
    const std::string path = std::filesystem::temp_directory_path() /
                             ("zel_script_" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << "wait 10\nbogus\n";
    const Script bad = load_script(path);
    EXPECT_EQ(bad.error, path + ": script line 2: unknown command \"bogus\"");
    std::ofstream(path) << "wait 10\nquit\n";
    EXPECT_EQ(load_script(path).steps.size(), 2u);
    std::filesystem::remove(path);
    EXPECT_NE(load_script(path).error.find("cannot read the script"), std::string::npos);
}

}  // namespace
}  // namespace zel::platform
