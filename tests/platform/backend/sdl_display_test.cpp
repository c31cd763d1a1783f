#include "platform/backend/sdl/sdl_display.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/gfx/painter.h"

namespace zel::platform {
namespace {

using namespace std::chrono_literals;

// Runs without a display: SDL's dummy video and audio drivers.
class SdlDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::string error;
        m_display = SdlDisplay::open({240, 320}, 2, error);
        ASSERT_TRUE(m_display) << error;
    }

    std::vector<DisplayEvent> drain() {
        std::vector<DisplayEvent> events;
        while (auto e = m_display->poll_event()) events.push_back(*e);
        return events;
    }

    static void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }

    std::unique_ptr<SdlDisplay> m_display;
};

TEST_F(SdlDisplayTest, PresentsTheFramebufferAtItsZoom) {
    Framebuffer fb(m_display->size(), colors::white);
    Painter p(fb);
    p.fill_rect({10, 10, 20, 30}, rgb(255, 0, 0));
    m_display->present(fb, fb.bounds());
    p.fill_rect({100, 200, 101, 201}, rgb(0, 0, 255));
    m_display->present_damage(fb);  // only the damaged corner goes up
    const Bitmap shown = m_display->read_back();
    ASSERT_EQ(shown.size(), fb.size());
    EXPECT_EQ(shown, static_cast<const Bitmap&>(fb));

    m_display->beep(Beep::Hand);  // silent on the dummy driver, but must not fail
    m_display->keep_awake();
}

TEST_F(SdlDisplayTest, PointerPositionsAreScaledBackToScreenPixels) {
    SDL_Event down{};
    down.type = SDL_MOUSEBUTTONDOWN;
    down.button.button = SDL_BUTTON_LEFT;
    down.button.x = 101;
    down.button.y = 61;
    push(down);
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 200;
    move.motion.y = 300;
    push(move);
    SDL_Event up = down;
    up.type = SDL_MOUSEBUTTONUP;
    push(up);
    SDL_Event stray = move;  // motion without a button held is no pointer event
    push(stray);
    SDL_Event finger{};
    finger.type = SDL_FINGERDOWN;
    finger.tfinger.x = 0.5f;
    finger.tfinger.y = 0.25f;
    push(finger);

    const std::vector<DisplayEvent> expected{
        DisplayEvent::pointer(DisplayEventKind::PointerDown, {50, 30}),
        DisplayEvent::pointer(DisplayEventKind::PointerMove, {100, 150}),
        DisplayEvent::pointer(DisplayEventKind::PointerUp, {50, 30}),
        DisplayEvent::pointer(DisplayEventKind::PointerDown, {120, 80}),
    };
    EXPECT_EQ(drain(), expected);
}

TEST_F(SdlDisplayTest, KeysGiveVirtualKeyCodesAndCharacters) {
    auto key = [](Uint32 type, SDL_Keycode sym) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = sym;
        return e;
    };
    push(key(SDL_KEYDOWN, SDLK_RETURN));
    push(key(SDL_KEYUP, SDLK_RETURN));
    push(key(SDL_KEYDOWN, SDLK_a));
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::snprintf(text.text.text, sizeof text.text.text, "a\xC2\xB0");
    push(text);
    push(key(SDL_KEYDOWN, SDLK_UP));
    push(key(SDL_KEYDOWN, SDLK_7));
    push(key(SDL_KEYDOWN, SDLK_CAPSLOCK));  // no code of ours: dropped
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);

    const std::vector<DisplayEvent> expected{
        DisplayEvent::key_down(13), DisplayEvent::typed('\r'), DisplayEvent::key_up(13),
        DisplayEvent::key_down('A'), DisplayEvent::typed('a'), DisplayEvent::typed(0xB0),
        DisplayEvent::key_down(38),  DisplayEvent::key_down('7'), DisplayEvent::quit(),
    };
    EXPECT_EQ(drain(), expected);
}

TEST_F(SdlDisplayTest, WakeEndsAWaitFromAnotherThread) {
    std::thread waker([&] {
        std::this_thread::sleep_for(20ms);
        m_display->wake();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(m_display->wait_event(10s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    waker.join();
    EXPECT_TRUE(drain().empty());
}

}  // namespace
}  // namespace zel::platform
