#include "platform/files/record_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace zel::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t R = 27;

// A record of kind and number: "<kind><number, 6 digits>", blanks, line feed.
std::string record(char kind, int number) {
    std::string text = kind + std::to_string(1000000 + number).substr(1);
    text.resize(R - 1, ' ');
    return text + "\n";
}

class RecordFileTest : public testing::Test {
protected:
    static std::string contents(const fs::path& path) { return test::file_bytes(path); }

    test::TempDir m_tmp{"zel-record-file"};
    const fs::path& m_dir = m_tmp.path();
};

TEST_F(RecordFileTest, CreateIsExclusiveAndTellsAnExistingNameApart) {
    const fs::path path = m_dir / "a.601";
    RecordFile file;
    ASSERT_EQ(file.create(path), CreateResult::Created);
    EXPECT_TRUE(file.append(record('H', 1)));

    RecordFile second;
    EXPECT_EQ(second.create(path), CreateResult::AlreadyExists);
    EXPECT_EQ(second.create(m_dir / "no-folder" / "a.601"), CreateResult::Failed);
    EXPECT_FALSE(second.is_open());
    file.close();
    EXPECT_EQ(contents(path), record('H', 1));
}

TEST_F(RecordFileTest, ReopenAppendsAtTheEndAndAClosedFileTakesNothing) {
    const fs::path path = m_dir / "a.601";
    std::ofstream(path, std::ios::binary) << record('H', 1);

    RecordFile file;
    EXPECT_FALSE(file.append(record('X', 0)));  // nothing open yet
    EXPECT_FALSE(file.reopen_for_append());
    ASSERT_TRUE(file.open_for_append(path));
    EXPECT_TRUE(file.append(record('T', 1)));
    ASSERT_TRUE(file.reopen_for_append());
    EXPECT_TRUE(file.append(record('T', 2)));
    EXPECT_EQ(contents(path), record('H', 1) + record('T', 1) + record('T', 2));

    file.close();
    EXPECT_FALSE(file.is_open());
    EXPECT_FALSE(file.append(record('T', 3)));
    EXPECT_EQ(contents(path), record('H', 1) + record('T', 1) + record('T', 2));
}

// A pause whose reopen fails (the file is gone from its folder) keeps writing through the old
// descriptor: the records after it still reach the file.
TEST_F(RecordFileTest, AFailedReopenKeepsTheFileOpen) {
    const fs::path path = m_dir / "a.601";
    const fs::path moved = m_dir / "moved.601";
    RecordFile file;
    ASSERT_EQ(file.create(path), CreateResult::Created);
    ASSERT_TRUE(file.append(record('T', 1)));
    fs::rename(path, moved);
    EXPECT_FALSE(file.reopen_for_append());
    EXPECT_TRUE(file.is_open());
    EXPECT_TRUE(file.append(record('T', 2)));
    file.close();
    EXPECT_EQ(contents(moved), record('T', 1) + record('T', 2));
}

// The window thread writes three-record families and pauses (close and reopen) now and then,
// while a reader thread writes single records: nothing may be lost, torn or wedged into a family.
TEST_F(RecordFileTest, TwoWritersNeverInterleaveRecordsOrFamilies) {
    const fs::path path = m_dir / "a.FRX";
    RecordFile file;
    ASSERT_TRUE(file.open_for_append(path));

    constexpr int kFamilies = 3000;
    constexpr int kSingles = 6000;
    std::atomic<bool> go{false};
    std::thread window([&] {
        while (!go) std::this_thread::yield();
        for (int n = 0; n < kFamilies; ++n) {
            const std::string family = record('T', n) + record('=', n) + record('>', n);
            file.append_records(family, R);
            if (n % 500 == 0) file.reopen_for_append();
        }
    });
    std::thread reader([&] {
        while (!go) std::this_thread::yield();
        for (int n = 0; n < kSingles; ++n) file.append(record('M', n));
    });
    go = true;
    window.join();
    reader.join();
    file.close();

    const std::string text = contents(path);
    ASSERT_EQ(text.size(), (3 * kFamilies + kSingles) * R);
    int next_family = 0;
    int next_single = 0;
    for (std::size_t at = 0; at < text.size(); at += R) {
        const std::string got = text.substr(at, R);
        if (got[0] == 'M') {
            ASSERT_EQ(got, record('M', next_single)) << "at byte " << at;
            ++next_single;
            continue;
        }
        ASSERT_EQ(got, record('T', next_family)) << "at byte " << at;
        ASSERT_EQ(text.substr(at + R, R), record('=', next_family)) << "family torn at byte " << at;
        ASSERT_EQ(text.substr(at + 2 * R, R), record('>', next_family)) << "family torn at byte " << at;
        ++next_family;
        at += 2 * R;
    }
    EXPECT_EQ(next_family, kFamilies);
    EXPECT_EQ(next_single, kSingles);
}

// A full storage card takes part of a record; the part is cut off again so that the file stays a
// sequence of whole records. The child process simulates the full card with a file-size limit.
TEST_F(RecordFileTest, APartlyWrittenRecordIsCutOffAgain) {
    const fs::path path = m_dir / "full.601";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{R + R / 2, R + R / 2};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(2);
        RecordFile file;
        if (file.create(path) != CreateResult::Created) std::_Exit(3);
        const bool first = file.append(record('T', 1));
        const bool second = file.append(record('T', 2));
        std::_Exit(first && !second ? 0 : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contents(path), record('T', 1));
}

}  // namespace
}  // namespace zel::platform
