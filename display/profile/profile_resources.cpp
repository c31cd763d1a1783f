#include "display/profile/profile_resources.h"

namespace zel {

std::array<ChannelResources, kProfileChannels> channel_resources(const std::array<Colour, kProfileChannels>& colours,
                                                                 const std::array<int, kProfileChannels>& thickness) {
    std::array<ChannelResources, kProfileChannels> resources;
    for (std::size_t i = 0; i < resources.size(); ++i) {
        // Settings keep colours as 0x00BBGGRR, the drawing layer's own layout; the unused top byte
        // of a hand-edited file is dropped.
        const platform::Color colour = static_cast<platform::Color>(colours[i]) & 0x00FFFFFFu;
        resources[i] = {platform::Pen::solid(colour, thickness[i]), platform::Pen::solid(colour, 1),
                        platform::Brush::solid(colour)};
    }
    return resources;
}

}  // namespace zel
