#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/backend/display.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace zel::platform {

// The screen as an SDL2 window of the screen's size times an integer zoom. Mouse and touch
// become pointer events in screen pixels, keys their virtual-key codes, beeps short tones.
// SDL chooses the video driver (SDL_VIDEODRIVER: x11, wayland, kmsdrm, offscreen, dummy).
// Create, use and destroy it on the window thread.
class SdlDisplay final : public Display {
public:
    // Null with a message in error when SDL cannot open a window.
    static std::unique_ptr<SdlDisplay> open(Size screen, int zoom, std::string& error);
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    Size size() const override { return m_size; }
    int zoom() const { return m_zoom; }
    void present(const Framebuffer& framebuffer, const Rect& area) override;
    std::optional<DisplayEvent> poll_event() override;
    bool wait_event(std::chrono::milliseconds timeout) override;
    void wake() override;
    void beep(Beep kind) override;
    void keep_awake() override;
    // What the window shows, scaled back to screen pixels; empty if the renderer cannot read.
    Bitmap read_back() const;
    // False when no audio device could be opened; beeps are then silent.
    bool has_audio() const { return m_audio != 0; }

private:
    SdlDisplay(Size size, int zoom) : m_size(size), m_zoom(zoom) {}
    bool create(std::string& error);
    void open_audio();
    void translate(const SDL_Event& event);
    void pointer(DisplayEventKind kind, int window_x, int window_y);

    Size m_size;
    int m_zoom;
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    unsigned m_audio = 0;
    int m_audio_rate = 0;
    std::uint32_t m_wake_event = 0;
    bool m_pointer_down = false;
    std::deque<DisplayEvent> m_pending;
};

}  // namespace zel::platform
