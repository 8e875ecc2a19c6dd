#include "sections/format_word_text.h"

#include <gtest/gtest.h>

namespace {

struct FormatWordCase {
    std::uint32_t word;
    const char* text;
};

// 0x20020000, a later UFIF minor version, has no name of its own.
const FormatWordCase FormatWordCases[] = {
    {0x20000000, "UFIF 2"},   {0x200000FF, "UFIF 2"},  {0x20010000, "UFIF 2.1"},
    {0x20010042, "UFIF 2.1"}, {0x20020000, "2.0.0/0"}, {0x20031004, "3.10/4"},
    {0x20031005, "3.1.0/5"},  {0x20036005, "3.6/5"},   {0x20054206, "5.4.2/6"},
    {0x30C0DE01, "PRG 3"},    {0x3500, "PRG 3.5"},     {0x3501, "0.3.5/1"},
    {0, "0.0.0/0"},           {0x464C457F, "c.4.5/f"}, {0xFFFFFFFF, "f.f.f/f"},
    {0x00ABCDEF, "b.c.d/f"},
};

TEST(FormatWordText, GivesTheFwColumnText) {
    for (const auto& c : FormatWordCases)
        EXPECT_EQ(formatWordText(c.word), c.text) << std::hex << "word 0x" << c.word;
}

} // namespace
