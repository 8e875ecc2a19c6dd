#include "platform/int_text.h"
#include "platform/zav_error.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct IntTextCase {
    const char* text;
    std::optional<std::int32_t> value;
};

const IntTextCase IntTextCases[] = {
    {"0", 0},
    {"17", 17},
    {"011", 11},
    {"   42", 42},
    {"+7", 7},
    {"-5", -5},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", std::nullopt},
    {"0x11", 17},
    {"0X1f", 31},
    {"$FF", 255},
    {"x10", 16},
    {"X10", 16},
    {"0xFFFFFFFF", -1},
    {"$000000FF", 255},
    {"$00000000FF", std::nullopt}, // nine digits or more, even when they are zeros
    {"$100000000", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"12 ", std::nullopt},
    {"1a", std::nullopt},
    {"-$5", std::nullopt},
    {"+", std::nullopt},
    {"0x", std::nullopt},
    {"$", std::nullopt},
    {"\t5", std::nullopt},
    {"0x37BDD8", 0x37BDD8},
};

TEST(IntTextRule, ParsesOrRefusesEachCase) {
    for (const auto& c : IntTextCases)
        EXPECT_EQ(tryParseIntText(c.text), c.value) << "text: '" << c.text << "'";
}

TEST(IntTextRule, RefusalNamesTheText) {
    try {
        parseIntText("12G4");
        FAIL() << "no error raised";
    } catch (const ZavError& e) {
        EXPECT_STREQ(e.what(), "'12G4' is not a valid integer value");
    }
    EXPECT_THROW(parseIntText(""), ZavError);
}

} // namespace
