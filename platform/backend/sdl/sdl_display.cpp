#include "platform/backend/sdl/sdl_display.h"

#include <SDL.h>

#include <array>
#include <cmath>
#include <vector>

#include "platform/backend/key_codes.h"
#include "platform/gfx/utf8.h"

namespace zel::platform {

namespace {

struct KeyMapping {
    SDL_Keycode sdl;
    KeyCode key_code;
    char32_t character;  // typed by the key itself, as text input sends none for these
};

constexpr std::array kSpecialKeys{
    KeyMapping{SDLK_RETURN, key::enter, U'\r'},   KeyMapping{SDLK_KP_ENTER, key::enter, U'\r'},
    KeyMapping{SDLK_ESCAPE, key::escape, 0x1B},   KeyMapping{SDLK_TAB, key::tab, U'\t'},
    KeyMapping{SDLK_BACKSPACE, key::back, U'\b'}, KeyMapping{SDLK_SPACE, key::space, 0},
    KeyMapping{SDLK_LEFT, key::left, 0},          KeyMapping{SDLK_UP, key::up, 0},
    KeyMapping{SDLK_RIGHT, key::right, 0},        KeyMapping{SDLK_DOWN, key::down, 0},
    KeyMapping{SDLK_DELETE, key::del, 0},      KeyMapping{SDLK_HOME, key::home, 0},
    KeyMapping{SDLK_END, key::end, 0},            KeyMapping{SDLK_PAGEUP, key::page_up, 0},
    KeyMapping{SDLK_PAGEDOWN, key::page_down, 0},  KeyMapping{SDLK_LSHIFT, key::shift, 0},
    KeyMapping{SDLK_RSHIFT, key::shift, 0},       KeyMapping{SDLK_LCTRL, key::control, 0},
    KeyMapping{SDLK_RCTRL, key::control, 0},
};

KeyMapping map_key(SDL_Keycode sym) {
    for (const KeyMapping& k : kSpecialKeys) {
        if (k.sdl == sym) return k;
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return {sym, key::f1 + static_cast<KeyCode>(sym - SDLK_F1), 0};
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return {sym, key::numpad0 + 1 + static_cast<KeyCode>(sym - SDLK_KP_1), 0};
    if (sym == SDLK_KP_0) return {sym, key::numpad0, 0};
    // Letters, digits and punctuation: SDL gives the unshifted character of the key.
    if (sym > 0 && sym < 0x80) {
        if (const auto stroke = key_for_character(static_cast<char32_t>(sym))) {
            return {sym, stroke->key_code, 0};
        }
    }
    return {sym, 0, 0};
}

struct Tone {
    int frequency;
    int milliseconds;
};

// One short tone per message-beep sound, ordered as the Beep values; the reading beep is the
// hand sound, kept short so a beep every reading does not pile up.
constexpr std::array<Tone, 5> kTones{
    Tone{880, 80}, Tone{440, 120}, Tone{660, 120}, Tone{1000, 150}, Tone{1320, 100},
};

constexpr int kMaxQueuedMilliseconds = 500;

}  // namespace

std::unique_ptr<SdlDisplay> SdlDisplay::open(Size screen, int zoom, std::string& error) {
    if (screen.width <= 0 || screen.height <= 0 || zoom < 1) {
        error = "bad screen size or zoom";
        return nullptr;
    }
    std::unique_ptr<SdlDisplay> display(new SdlDisplay(screen, zoom));
    if (!display->create(error)) return nullptr;
    display->open_audio();
    return display;
}

bool SdlDisplay::create(std::string& error) {
    // Touch is handled as touch; SDL's synthetic mouse events would double every tap.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("cannot start SDL video: ") + SDL_GetError();
        return false;
    }
    m_window = SDL_CreateWindow("ZEL", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                m_size.width * m_zoom, m_size.height * m_zoom, 0);
    if (m_window) m_renderer = SDL_CreateRenderer(m_window, -1, 0);
    if (m_window && !m_renderer) m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    // Our pixels are 0x00BBGGRR words, which SDL calls XBGR8888.
    if (m_renderer) {
        m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_XBGR8888,
                                      SDL_TEXTUREACCESS_STREAMING, m_size.width, m_size.height);
    }
    if (!m_texture) {
        error = std::string("cannot open the screen window: ") + SDL_GetError();
        return false;
    }
    m_wake_event = SDL_RegisterEvents(1);
    SDL_StartTextInput();
    SDL_DisableScreenSaver();
    return true;
}

void SdlDisplay::open_audio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    SDL_AudioSpec have{};
    m_audio = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_audio == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_audio_rate = have.freq;
    SDL_PauseAudioDevice(m_audio, 0);
}

SdlDisplay::~SdlDisplay() {
    if (m_audio) {
        SDL_CloseAudioDevice(m_audio);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void SdlDisplay::present(const Framebuffer& framebuffer, const Rect& area) {
    const Rect r = area.intersected(framebuffer.bounds()).intersected(Rect::from_size({}, m_size));
    if (!r.empty()) {
        const SDL_Rect dst{r.left, r.top, r.width(), r.height()};
        SDL_UpdateTexture(m_texture, &dst, framebuffer.row(r.top) + r.left,
                          framebuffer.width() * static_cast<int>(sizeof(Color)));
    }
    SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    SDL_RenderPresent(m_renderer);
}

Bitmap SdlDisplay::read_back() const {
    const int w = m_size.width * m_zoom;
    const int h = m_size.height * m_zoom;
    std::vector<Color> window(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    if (SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_XBGR8888, window.data(),
                             w * static_cast<int>(sizeof(Color))) != 0) {
        return {};
    }
    Bitmap screen(m_size);
    for (int y = 0; y < m_size.height; ++y) {
        for (int x = 0; x < m_size.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * m_zoom) * static_cast<std::size_t>(w) +
                                  static_cast<std::size_t>(x * m_zoom);
            screen.set_pixel(x, y, window[i] & 0x00FFFFFF);
        }
    }
    return screen;
}

void SdlDisplay::pointer(DisplayEventKind kind, int window_x, int window_y) {
    const Point p{std::clamp(window_x / m_zoom, 0, m_size.width - 1),
                  std::clamp(window_y / m_zoom, 0, m_size.height - 1)};
    m_pending.push_back(DisplayEvent::pointer(kind, p));
}

void SdlDisplay::translate(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            m_pending.push_back(DisplayEvent::quit());
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const KeyMapping k = map_key(e.key.keysym.sym);
            if (k.key_code == 0) break;
            const bool down = e.type == SDL_KEYDOWN;
            m_pending.push_back(down ? DisplayEvent::key_down(k.key_code) : DisplayEvent::key_up(k.key_code));
            if (down && k.character) m_pending.push_back(DisplayEvent::typed(k.character));
            break;
        }
        case SDL_TEXTINPUT: {
            const std::string_view text(e.text.text);
            for (std::size_t pos = 0; pos < text.size();) {
                m_pending.push_back(DisplayEvent::typed(next_code_point(text, pos)));
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.which == SDL_TOUCH_MOUSEID || e.button.button != SDL_BUTTON_LEFT) break;
            m_pointer_down = e.type == SDL_MOUSEBUTTONDOWN;
            pointer(m_pointer_down ? DisplayEventKind::PointerDown : DisplayEventKind::PointerUp, e.button.x,
                    e.button.y);
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.which == SDL_TOUCH_MOUSEID || !m_pointer_down) break;
            pointer(DisplayEventKind::PointerMove, e.motion.x, e.motion.y);
            break;
        case SDL_FINGERDOWN:
        case SDL_FINGERUP:
        case SDL_FINGERMOTION: {
            // Finger positions are fractions of the window.
            const DisplayEventKind kind = e.type == SDL_FINGERDOWN ? DisplayEventKind::PointerDown
                                   : e.type == SDL_FINGERUP ? DisplayEventKind::PointerUp
                                                            : DisplayEventKind::PointerMove;
            const int w = m_size.width * m_zoom;
            const int h = m_size.height * m_zoom;
            pointer(kind, static_cast<int>(e.tfinger.x * static_cast<float>(w)),
                    static_cast<int>(e.tfinger.y * static_cast<float>(h)));
            break;
        }
        default:
            break;
    }
}

std::optional<DisplayEvent> SdlDisplay::poll_event() {
    SDL_Event e;
    while (m_pending.empty() && SDL_PollEvent(&e)) translate(e);
    if (m_pending.empty()) return std::nullopt;
    DisplayEvent next = m_pending.front();
    m_pending.pop_front();
    return next;
}

bool SdlDisplay::wait_event(std::chrono::milliseconds timeout) {
    if (!m_pending.empty()) return true;
    SDL_Event e;
    if (!SDL_WaitEventTimeout(&e, static_cast<int>(timeout.count()))) return false;
    if (e.type != m_wake_event) translate(e);
    while (m_pending.empty() && SDL_PollEvent(&e)) {
        if (e.type != m_wake_event) translate(e);
    }
    return !m_pending.empty();
}

void SdlDisplay::wake() {
    SDL_Event e{};
    e.type = m_wake_event;
    SDL_PushEvent(&e);
}

void SdlDisplay::beep(Beep kind) {
    if (!m_audio) return;
    const std::uint32_t queued_limit =
        static_cast<std::uint32_t>(m_audio_rate) * kMaxQueuedMilliseconds / 1000 * 2;
    if (SDL_GetQueuedAudioSize(m_audio) > queued_limit) return;
    const Tone tone = kTones[static_cast<std::size_t>(kind)];
    const int samples = m_audio_rate * tone.milliseconds / 1000;
    std::vector<std::int16_t> wave(static_cast<std::size_t>(samples));
    const int period = std::max(m_audio_rate / tone.frequency, 2);
    for (int i = 0; i < samples; ++i) {
        wave[static_cast<std::size_t>(i)] = (i % period) < period / 2 ? 6000 : -6000;
    }
    SDL_QueueAudio(m_audio, wave.data(), static_cast<std::uint32_t>(wave.size() * sizeof(std::int16_t)));
}

void SdlDisplay::keep_awake() { SDL_DisableScreenSaver(); }

}  // namespace zel::platform
