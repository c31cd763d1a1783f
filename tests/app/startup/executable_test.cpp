// The real executables, run headless with scripts, as an operator's desktop or a test rig would.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "platform/files/instance_lock.h"
#include "platform/gfx/png.h"
#include "program_fixture.h"
#include "tests/support/golden.h"

namespace zel::test {
namespace {

struct Outcome {
    int code = -1000;
    std::string err;
};

// Runs the executable with the arguments (already quoted for the shell) and collects its exit
// code and its standard error.
Outcome run(const std::string& exe, const std::string& args, const StartupRoot& scratch) {
    const std::filesystem::path err = scratch.path() / "stderr.txt";
    const std::string command = exe + " " + args + " 2>" + err.string() + " >/dev/null";
    const int status = std::system(command.c_str());
    Outcome o;
    if (WIFEXITED(status)) o.code = WEXITSTATUS(status);
    o.err = StartupRoot::contents(err);
    return o;
}

std::string script(const StartupRoot& scratch, const std::string& text) {
    const std::filesystem::path file = scratch.path() / "steps.txt";
    StartupRoot::write(file, text);
    return file.string();
}

class Executable : public ::testing::Test {
protected:
    Outcome start(const std::string& args) {
        return run(ZEL_GRAD601_EXE, "--headless --root " + root.path().string() + " " + args, scratch);
    }

    StartupRoot root;
    StartupRoot scratch;
};

TEST_F(Executable, ScriptedExitEndsWithZeroAfterWritingTheDefaults) {
    for (const char* steps : {"key X\n", "key Up\nkey Up\nkey Enter\n", "quit\nkey S\n", "# the end of a script exits\n"}) {
        SCOPED_TRACE(steps);
        const Outcome o = start("--script " + script(scratch, steps));
        EXPECT_EQ(o.code, 0) << o.err;
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(crlf_lines(StartupRoot::contents(root.settings_file())).size(), 78u);
    }
}

TEST_F(Executable, BadOptionsAndScriptLinesExitTwoWithAMessage) {
    struct Case {
        std::string args;
        std::string said;
    };
    const Case cases[] = {
        {"--screen 12x", "--screen"},
        {"--bogus", "--bogus"},
        {"--script " + script(scratch, "key X\nwobble 3\n"), "line 2"},
        {"--script " + (scratch.path() / "missing.txt").string(), "missing.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome o = start(c.args);
        EXPECT_EQ(o.code, 2);
        EXPECT_NE(o.err.find(c.said), std::string::npos) << o.err;
        // Nothing started: no settings were written.
        EXPECT_FALSE(std::filesystem::exists(root.settings_file()));
    }
}

TEST_F(Executable, WithoutFontsExitsTwoWithAMessage) {
    const std::filesystem::path config = scratch.path() / "fonts.conf";
    StartupRoot::write(config, "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
    const Outcome o = run("FONTCONFIG_FILE=" + config.string() + " " + ZEL_GRAD601_EXE,
                          "--headless --root " + root.path().string() + " --script " + script(scratch, "key X\n"),
                          scratch);
    EXPECT_EQ(o.code, 2);
    EXPECT_NE(o.err.find("font"), std::string::npos) << o.err;
}

TEST_F(Executable, ASecondCopyInTheSameRootExitsMinusOne) {
    auto held = platform::InstanceLock::acquire(root.path());
    ASSERT_TRUE(held);
    const Outcome o = start("--script " + script(scratch, "key X\n"));
    EXPECT_EQ(o.code, 255);  // -1 as a process status
    EXPECT_NE(o.err.find("already running"), std::string::npos) << o.err;
    held.reset();
    EXPECT_EQ(start("--script " + script(scratch, "key X\n")).code, 0);
}

TEST_F(Executable, ScreenshotsShowTheStartScreenAtTheWorkingSize) {
    struct Case {
        const char* screen;
        platform::Size picture;
        const char* golden;  // or null
    };
    const Case cases[] = {
        {"240x320", {240, 320}, "start_screen_240x320.png"},
        {"480x640", {480, 676}, "start_screen_480x640.png"},
        {"800x480", {800, 516}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        const std::filesystem::path shot = scratch.path() / "shot.png";
        const Outcome o = start(std::string("--screen ") + c.screen + " --script " +
                                script(scratch, "screenshot " + shot.string() + "\n"));
        ASSERT_EQ(o.code, 0) << o.err;
        platform::PngImage png = platform::read_png(shot.string());
        ASSERT_TRUE(png.bitmap) << png.error;
        EXPECT_EQ(png.bitmap->size(), c.picture);
        if (c.golden != nullptr) {
            EXPECT_TRUE(matches_golden(*png.bitmap, std::string(ZEL_SOURCE_DIR) + "/tests/app/startup/golden/" + c.golden));
        }
    }
}

TEST_F(Executable, ScriptedKeysReachTheStartScreenAndItsMessageBoxes) {
    const std::filesystem::path before = scratch.path() / "before.png";
    const std::filesystem::path box = scratch.path() / "box.png";
    const std::filesystem::path after = scratch.path() / "after.png";
    const Outcome o = run(ZEL_GRAD601_SIM_EXE,
                          "--headless --root " + root.path().string() + " --script " +
                              script(scratch, "screenshot " + before.string() + "\nkey Down\nkey m\nscreenshot " +
                                                  box.string() + "\nkey Enter\nscreenshot " + after.string() + "\n"),
                          scratch);
    ASSERT_EQ(o.code, 0) << o.err;
    platform::PngImage a = platform::read_png(before.string());
    platform::PngImage b = platform::read_png(box.string());
    platform::PngImage c = platform::read_png(after.string());
    ASSERT_TRUE(a.bitmap && b.bitmap && c.bitmap);
    // "S&ystem Setup" is pushed instead of "&Survey Setup": the face inside its frame turns dark.
    const platform::Point survey{110, 90};
    const platform::Point system{113, 117};
    EXPECT_NE(a.bitmap->pixel(survey.x, survey.y), c.bitmap->pixel(survey.x, survey.y));
    EXPECT_NE(a.bitmap->pixel(system.x, system.y), c.bitmap->pixel(system.x, system.y));
    EXPECT_EQ(a.bitmap->pixel(survey.x, survey.y), c.bitmap->pixel(system.x, system.y));
    // The box covered the screen's middle and is gone again.
    EXPECT_NE(*b.bitmap, *c.bitmap);
}

}  // namespace
}  // namespace zel::test
