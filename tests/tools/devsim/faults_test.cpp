#include "tools/devsim/faults.h"

#include <gtest/gtest.h>

#include "tests/tools/devsim/sentence_check.h"
#include "tools/devsim/emitter.h"

namespace zel::devsim {
namespace {

TEST(FaultRule, ParsesProbabilityOrEveryNth) {
    auto p = FaultRule::parse("p=0.25");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->kind, FaultRule::Kind::Probability);
    EXPECT_DOUBLE_EQ(p->probability, 0.25);
    auto every = FaultRule::parse("every=3");
    ASSERT_TRUE(every);
    EXPECT_EQ(every->every, 3u);
    for (const char* bad : {"", "0.5", "p=", "p=1.5", "p=-0.1", "p=abc", "every=0", "every=", "every=2x"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(FaultRule::parse(bad));
    }
}

Options nmea_options() {
    Options o;
    o.device = Device::Nmea;
    o.link = "/unused";
    o.forms = {NmeaForm::Gga, NmeaForm::Gsa, NmeaForm::Gll};
    return o;
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t lf = bytes.find('\n'); lf != std::string::npos; lf = bytes.find('\n', start)) {
        out.push_back(bytes.substr(start, lf + 1 - start));
        start = lf + 1;
    }
    return out;
}

TEST(Emitter, EveryThirdSentenceGetsABadChecksum) {
    Options o = nmea_options();
    o.faults.bad_checksum = *FaultRule::parse("every=3");
    Emitter e(o, {});
    std::vector<std::string> sentences;
    for (unsigned long epoch = 0; epoch < 3; ++epoch) {
        for (std::string& s : lines(e.emission(epoch))) sentences.push_back(s);
    }
    ASSERT_EQ(sentences.size(), 9u);
    for (std::size_t i = 0; i < sentences.size(); ++i) {
        SCOPED_TRACE(sentences[i]);
        EXPECT_EQ(test::checksum_ok(sentences[i]), i % 3 != 2);
    }
}

TEST(Emitter, LowerCaseChecksumsStayValidAndTalkerIsChosen) {
    Options o = nmea_options();
    o.talker = "GN";
    o.faults.lower_case_checksum = *FaultRule::parse("p=1");
    Emitter e(o, {});
    for (int epoch = 0; epoch < 40; ++epoch) {
        for (const std::string& s : lines(e.emission(static_cast<unsigned long>(epoch)))) {
            SCOPED_TRACE(s);
            EXPECT_TRUE(test::checksum_ok(s));
            EXPECT_EQ(s.substr(0, 3), "$GN");
            std::string hex = s.substr(s.size() - 4, 2);
            EXPECT_EQ(hex, (std::string{static_cast<char>(std::tolower(hex[0])), static_cast<char>(std::tolower(hex[1]))}));
        }
    }
}

TEST(Emitter, LongSentencesAndNoiseComeBeforeTheirSentence) {
    Options o = nmea_options();
    o.forms = {NmeaForm::Gga};
    o.faults.long_sentence = *FaultRule::parse("every=2");
    o.faults.long_length = 250;
    Emitter e(o, {});
    EXPECT_EQ(lines(e.emission(0)).size(), 1u);
    std::vector<std::string> second = lines(e.emission(1));
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].size(), 252u) << "250 characters, then CR LF";
    EXPECT_TRUE(test::checksum_ok(second[0]));
    EXPECT_EQ(second[1].substr(0, 6), "$GPGGA");

    Options noisy = nmea_options();
    noisy.forms = {NmeaForm::Gga};
    noisy.faults.noise = *FaultRule::parse("p=1");
    Emitter n(noisy, {});
    std::string bytes = n.emission(0);
    std::size_t gga = bytes.rfind("$GPGGA");
    ASSERT_NE(gga, std::string::npos);
    EXPECT_GE(gga, 1u);
    EXPECT_TRUE(test::checksum_ok(bytes.substr(gga)));
}

TEST(Emitter, SameSeedSameStream) {
    Options o = nmea_options();
    o.faults.bad_checksum = *FaultRule::parse("p=0.3");
    o.faults.noise = *FaultRule::parse("p=0.3");
    Emitter a(o, {});
    Emitter b(o, {});
    for (unsigned long epoch = 0; epoch < 20; ++epoch) EXPECT_EQ(a.emission(epoch), b.emission(epoch));
}

}  // namespace
}  // namespace zel::devsim
