#include "platform/files/device_root.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zel::platform {
namespace {

// Sets or clears one environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old) ::setenv(m_name, m_old->c_str(), 1);
        else ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

struct RootCase {
    const char* explicit_root;
    const char* zel_root;
    const char* xdg_data_home;
    const char* home;
    const char* expected;
};

TEST(DeviceRoot, TakesTheFirstSourceThatIsSet) {
    const RootCase cases[] = {
        {"/given", "/env", "/xdg", "/home/op", "/given"},
        {"", "/env", "/xdg", "/home/op", "/env"},
        {"", "", "/xdg", "/home/op", "/xdg/zel"},
        {"", nullptr, nullptr, "/home/op", "/home/op/.local/share/zel"},
        {"", nullptr, "", "/home/op", "/home/op/.local/share/zel"},
        {"", nullptr, nullptr, nullptr, "zel"},
    };
    for (const RootCase& c : cases) {
        SCOPED_TRACE(c.expected);
        ScopedEnv zel("ZEL_ROOT", c.zel_root);
        ScopedEnv xdg("XDG_DATA_HOME", c.xdg_data_home);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(resolve_device_root(c.explicit_root), std::filesystem::path(c.expected));
    }
}

}  // namespace
}  // namespace zel::platform
