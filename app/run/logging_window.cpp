#include "app/run/logging_window.h"

#include <array>

#include "app/run/run_state.h"
#include "platform/ui/message.h"
#include "platform/ui/window.h"

namespace zel {

namespace {

namespace msg = platform::msg;
namespace dm = device_message;
namespace h = logging_handler;

// Searched in this order; key presses go to the command handler like menu and button commands.
constexpr std::array<platform::MessageEntry, 19> kLoggingWndTable{{
    {msg::create, h::create},
    {msg::paint, h::paint},
    {msg::timer, h::run_timer},
    {msg::command, h::command},
    {msg::size, h::size},
    {dm::Em61Mk2Sentence, h::em61mk2_sentence},
    {dm::Em61Sentence, h::em61_sentence},
    {dm::EmFamilySentence, h::em_family_sentence},
    {dm::G823Sentence, h::g823_sentence},
    {dm::Grad601Sentence, h::grad601_sentence},
    {dm::Em38Mk2Sentence, h::em38mk2_sentence},
    {dm::GpsPosition, h::gps_position},
    {dm::GpsEvent, h::gps_event},
    {dm::GpsSentence, h::gps_sentence},
    {dm::AltGpsSentence, h::alt_gps_sentence},
    {dm::FerexFrame, h::ferex_frame},
    {dm::F3Sentence, h::f3_sentence},
    {msg::key_down, h::command},
    {msg::key_up, h::key_up},
}};

constexpr platform::WindowClass kLoggingWndClass{kLoggingWndClassName, kLoggingWndTable};

}  // namespace

const platform::WindowClass& logging_window_class() { return kLoggingWndClass; }

namespace logging_handler {

// A size change moves nothing: the layout is fixed when the window is created.
platform::LResult size(platform::Window, platform::MessageId, platform::WParam, platform::LParam) { return 0; }

}  // namespace logging_handler

}  // namespace zel
