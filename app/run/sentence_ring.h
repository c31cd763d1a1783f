#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <thread>

#include "platform/clock/clock.h"

namespace zel {

// One delivered sentence: its text as NUL-terminated bytes and the tick of its first character.
template <std::size_t Size>
struct SentenceSlot {
    std::array<char, Size> text{};
    std::uint32_t length = 0;
    platform::Tick start_tick = 0;

    std::string_view view() const { return {text.data(), length}; }
};

// The hand-over between one reader thread and the window thread. A reader pushes each complete
// sentence and then sends or posts its device message; each handler call pops exactly one. A
// posted message thus carries its own sentence: when several sentences complete before the
// window thread runs, none is lost and none is handled twice. Single producer, single consumer,
// no lock; a sentence longer than a slot is cut so that it still ends in a NUL.
template <std::size_t Size, std::size_t Slots = 64>
class SentenceRing {
    static_assert((Slots & (Slots - 1)) == 0, "slot count must be a power of two");

public:
    using Slot = SentenceSlot<Size>;
    static constexpr std::size_t kMaxLength = Size - 1;

    // Reader side. Returns false when the ring is full.
    bool try_push(std::string_view sentence, platform::Tick start_tick) {
        const std::uint32_t head = m_head.load(std::memory_order_relaxed);
        if (head - m_tail.load(std::memory_order_acquire) == Slots) return false;
        Slot& slot = m_slots[head % Slots];
        slot.length = static_cast<std::uint32_t>(sentence.size() < kMaxLength ? sentence.size() : kMaxLength);
        std::memcpy(slot.text.data(), sentence.data(), slot.length);
        slot.text[slot.length] = '\0';
        slot.start_tick = start_tick;
        m_head.store(head + 1, std::memory_order_release);
        return true;
    }

    // Reader side. A full ring means the window thread is behind; the reader waits for room
    // rather than drop a reading, and gives up only when told to stop (its port was closed). It
    // first yields, because room usually comes within microseconds in a burst and a millisecond
    // asleep would cap the reader well below the port's rate; a window thread that stays busy
    // longer gets the core to itself.
    template <typename StopPredicate>
    bool push(std::string_view sentence, platform::Tick start_tick, StopPredicate should_stop) {
        constexpr int kYields = 1000;
        for (int tries = 0; !try_push(sentence, start_tick); ++tries) {
            if (should_stop()) return false;
            if (tries < kYields)
                std::this_thread::yield();
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Window side. Copies the oldest sentence out; false when none is waiting.
    bool pop(Slot& out) {
        const std::uint32_t tail = m_tail.load(std::memory_order_relaxed);
        if (tail == m_head.load(std::memory_order_acquire)) return false;
        out = m_slots[tail % Slots];
        m_tail.store(tail + 1, std::memory_order_release);
        return true;
    }

    std::size_t waiting() const { return m_head.load(std::memory_order_acquire) - m_tail.load(std::memory_order_acquire); }

    // Window side, between runs only (no reader running): forget what a previous run left.
    void clear() { m_tail.store(m_head.load(std::memory_order_acquire), std::memory_order_release); }

private:
    std::array<Slot, Slots> m_slots{};
    std::atomic<std::uint32_t> m_head{0};  // next slot the reader writes
    std::atomic<std::uint32_t> m_tail{0};  // next slot the window thread reads
};

}  // namespace zel
