#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "app/run/logging_window.h"
#include "app/startup/keep_alive.h"
#include "app/startup/main_actions.h"
#include "app/startup/main_window.h"
#include "app/startup/start_bitmaps.h"
#include "app/startup/start_screen.h"
#include "app/startup/window_classes.h"

namespace zel {
namespace {

using platform::Rect;

TEST(WindowClasses, RegisteredInOrderMainFirstWithTheExitCodesOfAFailure) {
    const auto classes = program_window_classes();
    ASSERT_GE(classes.size(), 2u);
    EXPECT_EQ(classes[0]->name, "EM61");
    EXPECT_EQ(classes[1]->name, kLoggingWndClassName);

    WindowClassRegistry ok;
    EXPECT_EQ(register_window_classes(ok, classes), std::nullopt);
    EXPECT_EQ(ok.find("EM61"), &main_window_class());
    EXPECT_EQ(ok.find("LoggingWnd"), &logging_window_class());
    EXPECT_EQ(ok.find("em61"), nullptr);

    const platform::WindowClass nameless{"", {}};
    struct Case {
        const char* name;
        std::vector<const platform::WindowClass*> classes;
        int code;
    };
    const Case cases[] = {
        {"main class nameless", {&nameless, &logging_window_class()}, 1},
        {"a later class nameless", {&main_window_class(), &nameless}, 2},
        {"a later class twice", {&main_window_class(), &logging_window_class(), &logging_window_class()}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowClassRegistry registry;
        EXPECT_EQ(register_window_classes(registry, c.classes), c.code);
    }
}

TEST(MainWindow, TableHasTheSixMessagesInOrderKeysSharingTheCommandHandler) {
    const auto table = main_window_class().table;
    namespace msg = platform::msg;
    ASSERT_EQ(table.size(), 6u);
    const platform::MessageId order[] = {msg::create, msg::size, msg::destroy, msg::command, msg::key_down, msg::paint};
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].message, order[i]) << i;
    EXPECT_EQ(table[4].handler, table[3].handler);
}

TEST(MainActions, CaptionsDropTheMnemonicMarker) {
    EXPECT_EQ(caption_of("S&ystem Setup"), "System Setup");
    EXPECT_EQ(caption_of("E&xit"), "Exit");
    EXPECT_EQ(caption_of("Mo&nitor GPS"), "Monitor GPS");
    EXPECT_EQ(caption_of("A && B"), "A & B");
}

TEST(KeepAlive, ResetsAtOnceThenEachPeriodAndStopsWithoutWaitingItOut) {
    std::atomic<int> resets{0};
    KeepAlive keep_alive;
    keep_alive.start([&] { ++resets; }, std::chrono::milliseconds(20));
    EXPECT_TRUE(keep_alive.active());
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (resets.load() < 3 && std::chrono::steady_clock::now() < give_up) std::this_thread::yield();
    EXPECT_GE(resets.load(), 3);

    KeepAlive slow;
    slow.start([] {}, std::chrono::hours(1));
    const auto before = std::chrono::steady_clock::now();
    slow.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
    EXPECT_FALSE(slow.active());
}

TEST(StartBitmaps, EachFitsBesideTheButtonsArcsAndTexts) {
    for (platform::Size client : {platform::Size{240, 320}, platform::Size{320, 240}, platform::Size{480, 640},
                                  platform::Size{640, 480}, platform::Size{800, 480}}) {
        SCOPED_TRACE(std::to_string(client.width) + "x" + std::to_string(client.height));
        const ScreenMeasurements m = measure_screen(client);
        const StartBitmapSizes sizes = start_bitmap_sizes(m);
        const StartScreenPlacement at = start_screen_placement(m, kGrad601Build);
        const StartScreenArcs arcs = start_screen_arcs(m);
        const Rect splash = Rect::from_size(at.splash, sizes.splash);
        const Rect company = Rect::from_size(at.company, sizes.company);
        const Rect logo = Rect::from_size(at.logo, sizes.logo);
        const Rect screen = Rect::from_size({0, 0}, m.working);
        for (const Rect& r : {splash, company, logo}) {
            EXPECT_EQ(r.intersected(screen), r);
            for (int i = 0; i < kMainButtonCount; ++i) EXPECT_TRUE(r.intersected(main_button_rect(m, i)).empty()) << i;
            for (platform::Point p : arcs.left) EXPECT_FALSE(r.contains(p));
        }
        EXPECT_TRUE(splash.intersected(logo).empty());
        EXPECT_TRUE(splash.intersected(company).empty());
        EXPECT_FALSE(splash.contains(at.version));
        EXPECT_FALSE(company.contains(at.version));
    }
}

TEST(StartBitmaps, NamedForTheScreenTheyWereDrawnFor) {
    platform::BitmapResources resources;
    const ScreenMeasurements m = measure_screen({800, 480});
    add_start_bitmaps(resources, kGrad601Build, m, nullptr);
    const StartBitmapSizes sizes = start_bitmap_sizes(m);
    const platform::Bitmap* splash = resources.find("STATICZEL601HOR_VGA");
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->size(), sizes.splash);
    const platform::Bitmap* company = resources.find("STATICCOMPANY_VGAH");
    const platform::Bitmap* logo = resources.find("STATICKPX_VGAH");
    ASSERT_TRUE(company != nullptr && logo != nullptr);
    EXPECT_EQ(company->size(), sizes.company);
    EXPECT_EQ(logo->size(), sizes.logo);
    EXPECT_EQ(resources.find("STATICZEL601VER_Q"), nullptr);
}

}  // namespace
}  // namespace zel
