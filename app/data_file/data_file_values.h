#pragma once

#include <string_view>
#include <vector>

#include "app/build_config.h"
#include "app/catalogue/screen_kind.h"
#include "app/settings/derived_settings.h"
#include "app/settings/settings.h"
#include "instruments/records/header_records.h"
#include "instruments/records/line_block.h"
#include "platform/files/storage_location.h"

// The one mapping from the settings record and the run's values to what the header block and a
// line block hold.
namespace zel {

// What the header and line block read beyond the settings: facts of the screen and the run.
struct RunFacts {
    Orientation orientation = Orientation::Portrait;
    platform::StorageLocation storage = platform::StorageLocation::Root;
    int em61mk2_output_flag = 0;                 // EM61-MK2: 1 after an "OK" handshake answer
    std::vector<ChannelOffset> channel_offsets;  // EM61, EM61-MK2: one per channel; else empty
};

// The returned values view base_name, the settings' line name and the facts' offsets: keep
// those alive while the values are used.
HeaderValues header_values(const BuildConfig& build, const Settings& settings, const DerivedSettings& derived,
                           const RunFacts& facts, std::string_view base_name);

LineBlockValues line_block_values(const Settings& settings, const DerivedSettings& derived, const RunFacts& facts);

}  // namespace zel
