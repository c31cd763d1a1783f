#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gfx/png.h"
#include "tests/support/golden.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(ZEL_SOURCE_DIR) / "tests/tools/zel-demo/golden";
const fs::path kScript = fs::path(ZEL_SOURCE_DIR) / "tests/tools/zel-demo/demo.script";

class DemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zel_demo_test_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the demo in the test's folder; its exit code, stderr kept in `errors`.
    int run(const std::string& arguments) {
        std::string command = "cd '" + dir.string() + "' && '" ZEL_DEMO_PATH "' " + arguments + " 2> errors.txt";
        int status = std::system(command.c_str());
        std::ifstream in(dir / "errors.txt");
        errors.assign(std::istreambuf_iterator<char>(in), {});
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void touch(const char* name) { std::ofstream(dir / name) << "x"; }

    fs::path dir;
    std::string errors;
};

// Headless, a script opens every dialog kind and photographs it; the pictures must match the
// golden ones pixel for pixel. The script's end ends the program with code 0.
TEST_F(DemoTest, EachDialogKindMatchesItsGoldenPicture) {
    touch("LINE07.601");
    touch("SURVEY.601");
    touch("notes.txt");  // not listed: the filter takes *.601
    ASSERT_EQ(run("--headless --script '" + kScript.string() + "'"), 0) << errors;
    for (const char* name : {"main.png", "message_box.png", "menu.png", "colour_chooser.png", "save_file.png",
                             "keyboard.png"}) {
        SCOPED_TRACE(name);
        platform::PngImage shot = platform::read_png((dir / name).string());
        ASSERT_TRUE(shot.bitmap) << shot.error;
        EXPECT_TRUE(test::matches_golden(*shot.bitmap, (kGoldenDir / name).string()));
    }
}

TEST_F(DemoTest, BadOptionsAndScriptsEndWithCodeTwoAndAMessage) {
    std::ofstream(dir / "bad.script") << "key Enter\nclick 3 4\n";
    struct Case {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"--headless --bogus", "--bogus"},
        {"--headless --root /tmp", "takes only"},
        {"--headless --script bad.script", "script line 2"},
        {"--headless --script missing.script", "missing.script"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(run(c.arguments), 2);
        EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
    }
}

}  // namespace
}  // namespace zel
