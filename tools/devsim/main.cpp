// zel-devsim: plays an instrument or a GPS receiver on a pseudo-terminal, so the logger can be
// run and tested without hardware.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "tools/devsim/emitter.h"
#include "tools/devsim/options.h"

namespace {

using zel::devsim::Options;
using zel::devsim::UtcTime;

volatile sig_atomic_t g_stop = 0;

void on_signal(int) { g_stop = 1; }

void install_signal_handlers() {
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

UtcTime clock_time() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {utc.tm_hour * 3600.0 + utc.tm_min * 60.0 + utc.tm_sec, utc.tm_mday, utc.tm_mon + 1,
            utc.tm_year + 1900};
}

struct Terminal {
    int master = -1;
    int slave = -1;  // kept open so the line stays up while the logger closes and reopens it
    std::string slave_path;
};

bool open_terminal(Terminal& t) {
    t.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (t.master < 0 || grantpt(t.master) != 0 || unlockpt(t.master) != 0) return false;
    const char* name = ptsname(t.master);
    if (name == nullptr) return false;
    t.slave_path = name;
    t.slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (t.slave < 0) return false;
    termios raw{};
    if (tcgetattr(t.slave, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(t.slave, TCSANOW, &raw);
    }
    // A device talking to nobody loses its bytes rather than stopping.
    fcntl(t.master, F_SETFL, fcntl(t.master, F_GETFL) | O_NONBLOCK);
    return true;
}

// Links PATH to the terminal; an existing link is replaced, any other file is left alone.
bool make_link(const std::string& link, const std::string& target) {
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            std::fprintf(stderr, "zel-devsim: %s exists and is not a link; not replacing it\n", link.c_str());
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(target.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "zel-devsim: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

// Removes the link only while it still points at our terminal: a newer simulator may own it.
void remove_link(const std::string& link, const std::string& target) {
    std::vector<char> buffer(4096);
    ssize_t n = readlink(link.c_str(), buffer.data(), buffer.size() - 1);
    if (n > 0 && std::string_view(buffer.data(), static_cast<std::size_t>(n)) == target) unlink(link.c_str());
}

void send(int master, const std::string& bytes) {
    [[maybe_unused]] ssize_t n = write(master, bytes.data(), bytes.size());
}

// Whatever the logger sends is read and dropped, so its writes never block.
void drain(int master) {
    char buffer[256];
    while (read(master, buffer, sizeof buffer) > 0) {
    }
}

int run(const Options& options) {
    Terminal terminal;
    if (!open_terminal(terminal)) {
        std::fprintf(stderr, "zel-devsim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    if (!make_link(options.link, terminal.slave_path)) return 1;
    install_signal_handlers();
    std::printf("zel-devsim: %s on %s\n", options.link.c_str(), terminal.slave_path.c_str());
    std::fflush(stdout);

    zel::devsim::Emitter emitter(options, options.start_time.value_or(clock_time()));
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration<double>(1.0 / options.rate);
    const Clock::time_point start = Clock::now();
    for (unsigned long epoch = 0; !g_stop; ++epoch) {
        auto due = start + std::chrono::duration_cast<Clock::duration>(period * static_cast<double>(epoch));
        for (;;) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now()).count();
            if (left <= 0 || g_stop) break;
            pollfd p{terminal.master, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left)) > 0 && (p.revents & POLLIN)) drain(terminal.master);
        }
        if (!g_stop) send(terminal.master, emitter.emission(epoch));
    }
    remove_link(options.link, terminal.slave_path);
    close(terminal.slave);
    close(terminal.master);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    zel::devsim::ParsedOptions parsed = zel::devsim::parse_options(args);
    if (parsed.help) {
        std::fputs(zel::devsim::usage().c_str(), stdout);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "zel-devsim: %s\n%s", parsed.error.c_str(), zel::devsim::usage().c_str());
        return 2;
    }
    return run(*parsed.options);
}
