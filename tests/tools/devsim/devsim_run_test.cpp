#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/serial/serial_port.h"
#include "tests/tools/devsim/sentence_check.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class DevsimRun : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-devsim-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        fs::remove_all(m_dir);
    }

    // Starts the simulator with stderr into a file of the test directory.
    void start(std::vector<std::string> args) {
        args.insert(args.begin(), ZEL_DEVSIM_PATH);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, (m_dir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        ASSERT_EQ(posix_spawn(&m_pid, ZEL_DEVSIM_PATH, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }

    int wait_exit() {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string stderr_text() const {
        std::ifstream in(m_dir / "stderr");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    bool wait_for_link(const fs::path& link) const {
        for (int i = 0; i < 200; ++i) {
            if (fs::is_symlink(link)) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    fs::path m_dir;
    pid_t m_pid = -1;
};

// Reads sentences from the port until `count` lines starting with `prefix` came.
std::vector<std::string> read_lines(zel::platform::SerialPort& port, const std::string& prefix, std::size_t count) {
    std::vector<std::string> found;
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + 5s;
    zel::platform::PortSession s = port.session();
    while (found.size() < count && std::chrono::steady_clock::now() < deadline) {
        if (port.wait_readable(s) != zel::platform::WaitResult::Data) break;
        while (auto b = port.read_byte(s)) {
            line.push_back(static_cast<char>(*b));
            if (*b != '\n') continue;
            if (line.starts_with(prefix)) found.push_back(line);
            line.clear();
        }
    }
    return found;
}

TEST_F(DevsimRun, PlaysAReceiverOnItsLinkAndRemovesTheLinkOnTerminate) {
    fs::path link = m_dir / "gps";
    start({"nmea", "--link", link.string(), "--rate", "10", "--sentences", "gga,gsa", "--lat", "-33.5",
           "--lon", "151.25", "--speed", "0"});
    ASSERT_TRUE(wait_for_link(link)) << stderr_text();

    zel::platform::SerialPort port;
    ASSERT_TRUE(port.open(link.string()));
    zel::platform::SerialConfig config;
    config.read_timeouts = {10, 0, 10};
    port.configure(config);
    std::vector<std::string> gga = read_lines(port, "$GPGGA", 3);
    ASSERT_EQ(gga.size(), 3u);
    for (const std::string& s : gga) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(zel::devsim::test::checksum_ok(s));
        EXPECT_EQ(zel::devsim::test::field(s, 3), "3330.00000");
        EXPECT_EQ(zel::devsim::test::field(s, 4), "S");
        EXPECT_EQ(zel::devsim::test::field(s, 5), "15115.00000");
    }
    port.close();

    kill(m_pid, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(DevsimRun, RefusesToReplaceAFileThatIsNotALink) {
    fs::path path = m_dir / "precious";
    std::ofstream(path) << "keep me";
    start({"grad601", "--link", path.string()});
    EXPECT_EQ(wait_exit(), 1);
    EXPECT_NE(stderr_text().find("not a link"), std::string::npos) << stderr_text();
    std::ifstream in(path);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "keep me");
}

TEST_F(DevsimRun, BadOptionGivesUsageAndExitCodeTwo) {
    start({"grad601", "--link", (m_dir / "g").string(), "--sensors", "7"});
    EXPECT_EQ(wait_exit(), 2);
    std::string err = stderr_text();
    EXPECT_NE(err.find("--sensors"), std::string::npos) << err;
    EXPECT_NE(err.find("usage: zel-devsim"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_dir / "g")));
}

}  // namespace
