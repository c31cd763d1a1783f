#include "platform/gfx/utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace zel::platform {
namespace {

TEST(Utf8, DecodesValidTextAndReplacesEachBadByte) {
    struct Case {
        const char* name;
        std::string_view text;
        std::vector<char32_t> expected;
    };
    const char32_t bad = kReplacementCharacter;
    const Case cases[] = {
        {"ascii", "Ln :", {'L', 'n', ' ', ':'}},
        {"two bytes", "\xC2\xB0" "C", {0xB0, 'C'}},
        {"three bytes", "\xE2\x82\xAC", {0x20AC}},
        {"four bytes", "\xF0\x9F\x98\x80", {0x1F600}},
        {"stray continuation", "\x80" "A", {bad, 'A'}},
        {"truncated at the end", "A\xE2\x82", {'A', bad, bad}},
        {"broken sequence", "\xE2" "AB", {bad, 'A', 'B'}},
        {"overlong slash", "\xC0\xAF", {bad, bad}},
        {"surrogate", "\xED\xA0\x80", {bad, bad, bad}},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", {bad, bad, bad, bad}},
        {"invalid lead", "\xFF", {bad}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char32_t> got;
        for (std::size_t pos = 0; pos < c.text.size();) got.push_back(next_code_point(c.text, pos));
        EXPECT_EQ(got, c.expected);
    }
}

}  // namespace
}  // namespace zel::platform
