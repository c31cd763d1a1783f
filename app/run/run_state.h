#pragma once

#include <cstdint>

namespace zel {

// The state of a logging run; written only on the window thread.
enum class RunState : int {
    Monitor = 0,   // live data shown, no data file open
    StandBy = -1,  // a data file is open, readings shown but not recorded
    Logging = 1,   // readings are recorded
};

// Device messages to the logging window; both parameters are 0 and the data travels in the
// shared sentence buffers.
namespace device_message {
inline constexpr std::uint32_t kUser = 0x0400;
inline constexpr std::uint32_t Em61Mk2Sentence = kUser + 10;  // 1034
inline constexpr std::uint32_t GpsPosition = kUser + 11;      // 1035
inline constexpr std::uint32_t EmFamilySentence = kUser + 12; // 1036
inline constexpr std::uint32_t Em61Sentence = kUser + 13;     // 1037
inline constexpr std::uint32_t G823Sentence = kUser + 14;     // 1038
inline constexpr std::uint32_t AltGpsSentence = kUser + 15;   // 1039
inline constexpr std::uint32_t GpsEvent = kUser + 16;         // 1040
inline constexpr std::uint32_t GpsSentence = kUser + 17;      // 1041
inline constexpr std::uint32_t Grad601Sentence = kUser + 18;  // 1042
inline constexpr std::uint32_t Em38Mk2Sentence = kUser + 19;  // 1043
inline constexpr std::uint32_t FerexFrame = kUser + 20;       // 1044
inline constexpr std::uint32_t F3Sentence = kUser + 21;       // 1045
}  // namespace device_message

}  // namespace zel
