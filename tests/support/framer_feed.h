#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock/clock.h"

namespace zel::test {

// A sentence a framer delivered, with the tick of its start character.
struct Delivered {
    std::string text;
    platform::Tick tick;
};

// Feeds the bytes to a slot-returning framer one per millisecond from `start`.
template <class Framer>
std::vector<Delivered> frame(Framer& framer, std::string_view bytes, platform::Tick start) {
    std::vector<Delivered> out;
    platform::Tick now = start;
    for (const char c : bytes) {
        if (auto s = framer.feed(static_cast<std::uint8_t>(c), now++)) out.push_back({std::string(s->view()), s->start_tick});
    }
    return out;
}

}  // namespace zel::test
