#include "platform/backend/key_codes.h"

#include <gtest/gtest.h>

#include "platform/backend/display.h"

namespace zel::platform {
namespace {

TEST(KeyCodes, CharactersMapToTheirKeys) {
    struct Case {
        char32_t c;
        std::optional<KeyStroke> expected;
    };
    const Case cases[] = {
        {'a', KeyStroke{'A', 'a', false}}, {'Z', KeyStroke{'Z', 'Z', true}},
        {'0', KeyStroke{'0', '0', false}}, {'9', KeyStroke{'9', '9', false}},
        {' ', KeyStroke{32, ' ', false}},  {'!', KeyStroke{'1', '!', true}},
        {')', KeyStroke{'0', ')', true}},  {'.', KeyStroke{0xBE, '.', false}},
        {'-', KeyStroke{0xBD, '-', false}}, {'_', KeyStroke{0xBD, '_', true}},
        {'"', KeyStroke{0xDE, '"', true}}, {'\t', std::nullopt},
        {0xE9, std::nullopt},              {0x7F, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.c));
        EXPECT_EQ(key_for_character(c.c), c.expected);
    }
}

TEST(KeyCodes, ScriptNamesGiveTheFamiliarCodes) {
    struct Case {
        const char* name;
        int code;
        char32_t character;
    };
    const Case cases[] = {
        {"Enter", 13, '\r'}, {"enter", 13, '\r'}, {"Escape", 27, 0x1B}, {"Tab", 9, '\t'},
        {"Space", 32, ' '},  {"Backspace", 8, '\b'}, {"Left", 37, 0}, {"Up", 38, 0},
        {"Right", 39, 0},    {"DOWN", 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto k = key_for_name(c.name);
        ASSERT_TRUE(k);
        EXPECT_EQ(k->key_code, c.code);
        EXPECT_EQ(k->character, c.character);
    }
    EXPECT_FALSE(key_for_name("Return"));
    EXPECT_FALSE(key_for_name(""));
    EXPECT_FALSE(key_for_name("Enterprise"));
}

TEST(Beeps, MessageBeepValuesChooseTheSound) {
    EXPECT_EQ(beep_for_value(16), Beep::Hand);
    EXPECT_EQ(beep_for_value(32), Beep::Question);
    EXPECT_EQ(beep_for_value(48), Beep::Exclamation);
    EXPECT_EQ(beep_for_value(64), Beep::Asterisk);
    EXPECT_EQ(beep_for_value(0), Beep::Simple);
    EXPECT_EQ(beep_for_value(0xFFFFFFFF), Beep::Simple);
}

}  // namespace
}  // namespace zel::platform
