#include "gps/nmea/nmea_framer.h"

#include <gtest/gtest.h>

#include "tests/support/framer_feed.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gps/nmea/nmea_checksum.h"

namespace zel {
namespace {

using namespace std::string_literals;

using test::Delivered;

std::vector<Delivered> frame(NmeaFramer& framer, std::string_view bytes, platform::Tick start = 0) {
    return test::frame(framer, bytes, start);
}

std::vector<std::string> texts(std::string_view bytes) {
    NmeaFramer framer;
    std::vector<std::string> out;
    for (const Delivered& d : frame(framer, bytes)) out.push_back(d.text);
    return out;
}

TEST(NmeaFramer, SentencesTable) {
    const std::string gll = "$GPGLL,4916.45,N,12311.12,W,225444,A*1D";
    const std::string longest = "$" + std::string(kMaxNmeaSentence - 1, 'a');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"CR LF", gll + "\r\n", {gll}},
        {"bare LF keeps the last character", gll + "\n", {gll}},
        {"dollar in mid-sentence restarts", "$GPGGA,1,2$" + gll.substr(1) + "\r\n", {gll}},
        {"line feeds without a sentence", "\n\n\r\n", {}},
        {"a line feed does not deliver the previous sentence again", gll + "\r\n\n\r\n", {gll}},
        {"garbage between sentences is ignored", gll + "\r\nnoise\r\n" + gll + "\r\n", {gll, gll}},
        {"lone dollar", "$\r\n", {"$"}},
        {"NUL and high bytes are carried", "$G\0\xff*00\r\n"s, {"$G\0\xff*00"s}},
        {"longest whole sentence", longest + "\r\n", {longest}},
        {"longest whole sentence without CR", longest + "\n", {longest}},
        {"over-long is cut one past the longest", longest + "bc\r\n", {longest + "b"}},
        {"far over-long", "$" + std::string(1000, 'z') + "\r\n", {"$" + std::string(kMaxNmeaSentence, 'z')}},
        {"framing resumes after an over-long line", "$" + std::string(400, 'z') + "\n" + gll + "\r\n",
         {"$" + std::string(kMaxNmeaSentence, 'z'), gll}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(texts(c.bytes), c.expected);
    }
}

TEST(NmeaFramer, OverlongSentencesFitTheBufferAndFailTheCheck) {
    for (const std::size_t extra : {2u, 3u, 50u, 500u}) {
        SCOPED_TRACE(extra);
        // A correct checksum does not save a sentence that was cut.
        std::string body = "$GPTXT," + std::string(kMaxNmeaSentence + extra, 'q');
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "*%02X", nmea_checksum(body));
        const auto delivered = texts(body + suffix + "\r\n");
        ASSERT_EQ(delivered.size(), 1u);
        EXPECT_LT(delivered[0].size(), kGpsSentenceSize);
        EXPECT_EQ(check_nmea_sentence(delivered[0], ChecksumTest::Tested), SentenceCheck::Overlong);
        EXPECT_EQ(check_nmea_sentence(delivered[0], ChecksumTest::Skipped), SentenceCheck::Overlong);
    }
}

TEST(NmeaFramer, SentenceCarriesTheTickOfItsDollar) {
    NmeaFramer framer;
    const auto delivered = frame(framer, "xy$GPGSA*00\r\n", 7000);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].tick, 7002u);
}

TEST(NmeaFramer, RandomBytesKeepWithinBoundsAndFramingRecovers) {
    std::mt19937 random(183);
    std::uniform_int_distribution<int> byte(0, 255);
    const char structural[] = {'$', '\r', '\n', '*', ','};
    std::string noise;
    for (int i = 0; i < 200000; ++i) noise += (i % 4 == 0) ? structural[byte(random) % 5] : static_cast<char>(byte(random));
    NmeaFramer framer;
    const auto delivered = frame(framer, noise);
    EXPECT_GT(delivered.size(), 1000u);
    for (const Delivered& d : delivered) {
        ASSERT_FALSE(d.text.empty());
        ASSERT_EQ(d.text[0], '$');
        ASSERT_LE(d.text.size(), kMaxNmeaSentence + 1);
        ASSERT_EQ(d.text.find('\n'), std::string::npos);
    }
    const std::string gll = "$GPGLL,4916.45,N,12311.12,W,225444,A*1D";
    // The noise may end inside a sentence, which the first line feed then delivers.
    const auto after = frame(framer, "\n" + gll + "\r\n");
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back().text, gll);
}

// The captures are replayed byte by byte; each line that holds a "$" yields one sentence, the text
// from its last "$" without the CR. Whether the sentence passes is judged independently from the
// line's shape ("$", body, "*", two hex digits) and a checksum computed here.
struct CaptureVerdicts {
    std::size_t lines_with_dollar = 0;
    std::size_t well_formed = 0;
    std::vector<std::string> expected_texts;
};

bool independently_well_formed(const std::string& s) {
    const std::size_t star = s.find('*');
    if (s.empty() || s[0] != '$' || star == std::string::npos || star + 3 != s.size()) return false;
    if (!std::isxdigit(static_cast<unsigned char>(s[star + 1])) || !std::isxdigit(static_cast<unsigned char>(s[star + 2])))
        return false;
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(s[i]);
    return sum == std::stoul(s.substr(star + 1), nullptr, 16);
}

CaptureVerdicts judge_capture(const std::string& bytes) {
    CaptureVerdicts v;
    std::size_t start = 0;
    for (std::size_t lf = bytes.find('\n'); lf != std::string::npos; start = lf + 1, lf = bytes.find('\n', start)) {
        std::string line = bytes.substr(start, lf - start);
        const std::size_t dollar = line.rfind('$');
        if (dollar == std::string::npos) continue;
        line = line.substr(dollar);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ++v.lines_with_dollar;
        v.expected_texts.push_back(line);
        if (independently_well_formed(line)) ++v.well_formed;
    }
    return v;
}

TEST(NmeaFramer, RealCapturesAreFramedAndEveryWellFormedSentencePasses) {
    std::size_t files = 0;
    std::size_t total_passed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZEL_TESTDATA_DIR "/nmea")) {
        if (entry.path().extension() != ".log") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const CaptureVerdicts expected = judge_capture(bytes);

        NmeaFramer framer;
        const auto delivered = frame(framer, bytes);
        ASSERT_EQ(delivered.size(), expected.lines_with_dollar);
        std::size_t passed = 0;
        for (std::size_t i = 0; i < delivered.size(); ++i) {
            EXPECT_EQ(delivered[i].text, expected.expected_texts[i]);
            const bool ok = check_nmea_sentence(delivered[i].text, ChecksumTest::Tested) == SentenceCheck::Ok;
            EXPECT_EQ(ok, independently_well_formed(delivered[i].text)) << delivered[i].text;
            passed += ok ? 1 : 0;
        }
        EXPECT_EQ(passed, expected.well_formed);
        EXPECT_GT(passed, 0u);
        total_passed += passed;
    }
    EXPECT_EQ(files, 8u);
    std::printf("%zu well-formed sentences in the captures\n", total_passed);
}

}  // namespace
}  // namespace zel
