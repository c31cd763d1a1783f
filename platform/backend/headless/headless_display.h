#pragma once

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/backend/display.h"

namespace zel::platform {

// A display without a screen: presents are only counted, input is injected by the caller (a
// test or the script runner) and beeps are counted by kind.
class HeadlessDisplay final : public Display {
public:
    explicit HeadlessDisplay(Size size) : m_size(size) {}

    Size size() const override { return m_size; }
    void present(const Framebuffer& framebuffer, const Rect& area) override;
    std::optional<DisplayEvent> poll_event() override;
    bool wait_event(std::chrono::milliseconds timeout) override;
    void wake() override;
    void beep(Beep kind) override;
    void keep_awake() override { ++m_keep_awake_calls; }

    // Safe from any thread; wakes a waiting window thread.
    void inject(const DisplayEvent& event);

    int present_count() const { return m_present_count; }
    Rect last_presented() const { return m_last_presented; }
    int beep_count(Beep kind) const { return m_beeps[static_cast<std::size_t>(kind)]; }
    int beep_count() const;
    int keep_awake_calls() const { return m_keep_awake_calls; }

private:
    Size m_size;
    int m_present_count = 0;
    Rect m_last_presented;
    std::array<int, 5> m_beeps{};
    int m_keep_awake_calls = 0;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<DisplayEvent> m_events;
    bool m_woken = false;
};

}  // namespace zel::platform
