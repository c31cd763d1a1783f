#include "platform/power/power_status.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace zel::platform {
namespace {

namespace fs = std::filesystem;

class PowerStatusTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("zel_power_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }

    void supply(const std::string& name, const std::map<std::string, std::string>& files) {
        fs::create_directories(m_root / name);
        for (const auto& [file, text] : files) std::ofstream(m_root / name / file) << text;
    }
    std::string meminfo(const std::string& text) {
        std::ofstream(m_root / "meminfo") << text;
        return (m_root / "meminfo").string();
    }

    fs::path m_root;
};

TEST_F(PowerStatusTest, BatteryChargeComesFromTheFirstPresentBattery) {
    EXPECT_EQ(battery_percent(m_root.string()), std::nullopt) << "no supplies at all";
    supply("AC", {{"type", "Mains\n"}, {"online", "1\n"}});
    supply("BAT0", {{"type", "Battery\n"}, {"present", "0\n"}, {"capacity", "12\n"}});
    EXPECT_EQ(battery_percent(m_root.string()), std::nullopt) << "mains and an absent battery";
    supply("BAT1", {{"type", "Battery\n"}, {"present", "1\n"}, {"capacity", "87\n"}});
    supply("BAT2", {{"type", "Battery\n"}, {"capacity", "40\n"}});
    EXPECT_EQ(battery_percent(m_root.string()), 87);
    EXPECT_EQ(battery_percent((m_root / "missing").string()), std::nullopt);
}

TEST_F(PowerStatusTest, UnreadableChargeCountsAsUnknown) {
    for (const char* capacity : {"", "abc\n", "-1\n", "101\n", "50%\n"}) {
        SCOPED_TRACE(capacity);
        supply("BAT0", {{"type", "Battery\n"}, {"capacity", capacity}});
        EXPECT_EQ(battery_percent(m_root.string()), std::nullopt);
    }
}

TEST_F(PowerStatusTest, FreeMemoryIsMemAvailableInBytes) {
    EXPECT_EQ(free_memory_bytes(meminfo("MemTotal:  8000000 kB\nMemFree:  100000 kB\n"
                                        "MemAvailable:  250000 kB\n")),
              250000ull * 1024);
    EXPECT_EQ(free_memory_bytes(meminfo("MemTotal: 8000000 kB\nMemFree:  111 kB\n")), 111ull * 1024);
    EXPECT_EQ(free_memory_bytes(meminfo("MemAvailable: lots\n")), std::nullopt);
    EXPECT_EQ(free_memory_bytes((m_root / "none").string()), std::nullopt);
    EXPECT_GT(free_memory_bytes().value_or(0), 0u) << "this machine's own /proc/meminfo";
}

}  // namespace
}  // namespace zel::platform
