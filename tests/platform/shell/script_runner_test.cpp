#include "platform/shell/script_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/backend/headless/headless_display.h"
#include "platform/gfx/png.h"
#include "platform/ui/controls/control_messages.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/screen.h"

namespace zel::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);

// The program's main window: it paints in its colour, logs its input, turns blue on B, asks a
// question on Q, and counts its timer.
struct Main {
    std::vector<std::string> log;
    Color colour = kRed;
    int answer = 0;
    int ticks = 0;
};

LResult main_proc(Window w, MessageId m, WParam wp, LParam lp) {
    Main& s = *w.data<Main>();
    switch (m) {
    case msg::paint: Screen::of(w)->painter(w).fill_rect(w.client_rect(), s.colour); break;
    case msg::key_down:
        s.log.push_back("down " + std::to_string(wp));
        if (wp == 'B') {
            s.colour = kBlue;
            w.invalidate();
        }
        if (wp == 'Q') s.answer = message_box(w, "Go on?", "Question", MessageButtons::YesNo);
        break;
    case msg::character: s.log.push_back("char " + std::string(1, static_cast<char>(wp))); break;
    case msg::key_up: s.log.push_back("up " + std::to_string(wp)); break;
    case msg::pointer_down:
    case msg::pointer_up:
        s.log.push_back((m == msg::pointer_down ? "press " : "release ") + std::to_string(point_x(lp)) + "," +
                        std::to_string(point_y(lp)));
        break;
    case msg::timer: ++s.ticks; break;
    }
    return 0;
}
constexpr MessageEntry kMainTable[] = {
    {msg::paint, main_proc},        {msg::key_down, main_proc},   {msg::character, main_proc},
    {msg::key_up, main_proc},       {msg::pointer_down, main_proc}, {msg::pointer_up, main_proc},
    {msg::timer, main_proc},
};
constexpr WindowClass kMainClass{"Main", kMainTable};

class ScriptRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        fonts = FontLibrary::open(error);
        ASSERT_TRUE(fonts) << error;
        screen = std::make_unique<Screen>(ui, display, *fonts);
        main = ui.create({&kMainClass, "ZEL", {}, {0, 0, 240, 320}, WindowStyle::Visible, 0, UserData::borrowed(state)});
        main.focus();
        dir = fs::temp_directory_path() / ("zel_script_runner_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the program's loop with the script until it ends; a script that never ends the
    // program fails the test instead of hanging it.
    int play(const std::string& text, std::function<void()> quit = {}) {
        Script script = parse_script(text);
        EXPECT_EQ(script.error, "");
        runner = std::make_unique<ScriptRunner>(*screen, std::move(script), std::move(quit));
        runner->start();
        bool done = false;
        std::thread guard([&] {
            for (int i = 0; i < 1000 && !done; ++i) std::this_thread::sleep_for(10ms);
            if (!done) ui.quit(99);
        });
        int code = ui.run();
        done = true;
        guard.join();
        EXPECT_NE(code, 99) << "the script did not end the program";
        return code;
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    SystemClock clock;  // waits are real time
    WindowSystem ui{clock};
    HeadlessDisplay display{{240, 320}};
    std::unique_ptr<FontLibrary> fonts;
    std::unique_ptr<Screen> screen;
    Main state;
    Window main;
    std::unique_ptr<ScriptRunner> runner;
    fs::path dir;
};

TEST_F(ScriptRunnerTest, KeysTypedTextAndTapsReachTheProgramInOrder) {
    EXPECT_EQ(play("key Enter\ntype aZ\ntap 10 20\nkey Left\nquit\n"), 0);
    EXPECT_EQ(state.log, (std::vector<std::string>{
                             "down 13", "char \r", "up 13",        // Enter types its character too
                             "down 65", "char a", "up 65",         // letters by their upper-case key
                             "down 90", "char Z", "up 90",         // no Shift of its own
                             "press 10,20", "release 10,20",
                             "down 37", "up 37",                   // arrows type nothing
                         }));
    EXPECT_TRUE(runner->finished());
    EXPECT_EQ(runner->steps_done(), 5u);
}

// The end of the script ends the program as quit does, through the program's own exit; a
// quit step ends it there and then.
TEST_F(ScriptRunnerTest, TheEndOfTheScriptOrQuitEndsTheProgramThroughItsExit) {
    struct Case {
        const char* script;
        std::size_t steps_done;
        std::vector<std::string> log;
    } cases[] = {
        {"key a\n", 1, {"down 65", "char a", "up 65"}},
        {"# nothing but a comment\n", 0, {}},
        {"quit\nkey a\n", 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        state.log.clear();
        int exits = 0;
        EXPECT_EQ(play(c.script, [&] { ++exits; ui.quit(3); }), 3);
        EXPECT_EQ(exits, 1);
        EXPECT_EQ(runner->steps_done(), c.steps_done);
        EXPECT_EQ(state.log, c.log);
    }
}

TEST_F(ScriptRunnerTest, WaitLetsTheProgramRunInRealTime) {
    ASSERT_TRUE(main.set_timer(1, 20));
    auto start = std::chrono::steady_clock::now();
    play("wait 300\n");
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 300ms);
    EXPECT_GE(state.ticks, 5);  // the program's timer went on meanwhile
}

// A screenshot comes after the step before it has been handled and painted: B turns the
// window blue only through a paint.
TEST_F(ScriptRunnerTest, ScreenshotsShowTheSettledScreen) {
    play("screenshot " + path("red.png") + "\nkey b\nscreenshot " + path("blue.png") + "\n");
    for (auto [file, colour] : {std::pair{"red.png", kRed}, std::pair{"blue.png", kBlue}}) {
        SCOPED_TRACE(file);
        PngImage shot = read_png(path(file));
        ASSERT_TRUE(shot.bitmap) << shot.error;
        EXPECT_EQ(shot.bitmap->size(), (Size{240, 320}));
        EXPECT_EQ(shot.bitmap->pixel(5, 5), colour);
        EXPECT_EQ(shot.bitmap->pixel(239, 319), colour);
    }
    EXPECT_TRUE(runner->errors().empty());
}

// Steps go on inside a modal loop: Q opens a question that the next key answers, and the
// screenshot between shows it.
TEST_F(ScriptRunnerTest, StepsGoOnInsideModalLoops) {
    play("key q\nscreenshot " + path("question.png") + "\nkey y\nkey b\n");
    EXPECT_EQ(state.answer, kIdYes);
    EXPECT_EQ(state.colour, kBlue);  // B came after the box had closed
    PngImage shot = read_png(path("question.png"));
    ASSERT_TRUE(shot.bitmap) << shot.error;
    EXPECT_NE(shot.bitmap->pixel(120, 160), kRed);  // the box lies over the middle
}

TEST_F(ScriptRunnerTest, AScreenshotThatCannotBeWrittenIsReportedWithItsLine) {
    play("key a\nscreenshot " + path("missing/folder/shot.png") + "\nkey b\n");
    ASSERT_EQ(runner->errors().size(), 1u);
    EXPECT_EQ(runner->errors()[0].rfind("script line 2: ", 0), 0u) << runner->errors()[0];
    EXPECT_EQ(state.colour, kBlue);  // the steps after it still ran
}

}  // namespace
}  // namespace zel::platform
