#include "gps/nmea/nmea_checksum.h"

#include <gtest/gtest.h>

#include <string>

namespace zel {
namespace {

TEST(NmeaChecksum, SentencesTable) {
    struct Case {
        std::string sentence;
        SentenceCheck tested;
        SentenceCheck skipped;
    };
    using C = SentenceCheck;
    const Case cases[] = {
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*31", C::Ok, C::Ok},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", C::Ok, C::Ok},
        {"$GNGSA,A,3,03,19,27,13,,,,,,,,,2.75,2.56,1.00*10", C::Ok, C::Ok},
        {"$GPGSA,A,3,09,23,08,11,27,28,,,,,,,2.5,1.2,2.2*39", C::Ok, C::Ok},
        {"$GPGGA,213121.000,4404.1295864,N,12118.8685453,W,2,07,1.2,1102.537,M,-20.300,M,,0000*5F", C::Ok, C::Ok},
        {"$GPGGA,213121.000,4404.1295864,N,12118.8685453,W,2,07,1.2,1102.537,M,-20.300,M,,0000*5f", C::Ok, C::Ok},  // lower case
        {"$GPGLL,4916.45,N,12311.12,W,225444,A* 31", C::Ok, C::Ok},         // blanks before the digits
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*0x31", C::Ok, C::Ok},        // base-16 prefix
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*31ZZ", C::Ok, C::Ok},        // trailing text is ignored
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*031", C::Ok, C::Ok},         // leading zero
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*1D", C::BadChecksum, C::Ok},
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*-31", C::BadChecksum, C::Ok},
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*", C::BadChecksum, C::Ok},   // no digits
        {"$*", C::BadChecksum, C::Ok},                                        // sum 0, no digits
        {"$*00", C::Ok, C::Ok},
        {"$GPGLL,4916.45,N,12311.12,W,225444,A*FFFFFFFFFFFFFFFFFFFF31", C::BadChecksum, C::Ok},
        {"$GPGLL,4916.45,N,12311.12,W,225444,A", C::NoStar, C::NoStar},
        {"GPGLL,4916.45,N,12311.12,W,225444,A*31", C::NoDollar, C::NoDollar},
        {"", C::NoDollar, C::NoDollar},
        {"$" + std::string(200, 'a') + "*00", C::Overlong, C::Overlong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(check_nmea_sentence(c.sentence, ChecksumTest::Tested), c.tested);
        EXPECT_EQ(check_nmea_sentence(c.sentence, ChecksumTest::Skipped), c.skipped);
    }
}

TEST(NmeaChecksum, HighBytesCountAsUnsigned) {
    // 0xC3 ^ 0x41 = 0x82: a signed-char sum would go negative and never match.
    EXPECT_EQ(nmea_checksum("$\xC3" "A*82"), 0x82);
    EXPECT_EQ(check_nmea_sentence("$\xC3" "A*82", ChecksumTest::Tested), SentenceCheck::Ok);
}

}  // namespace
}  // namespace zel
