#include "app/run/run_state.h"

static_assert(zel::device_message::Em61Mk2Sentence == 1034 && zel::device_message::F3Sentence == 1045);
