#include "sections/format_word_text.h"

namespace {

// The UFIF words are told apart by bits 8 to 31; the low byte varies between builds.
constexpr std::uint32_t Ufif20Upper = 0x200000;
constexpr std::uint32_t Ufif21Upper = 0x200100;

struct NamedWord {
    std::uint32_t word;
    const char* text;
};

constexpr NamedWord NamedWords[] = {
    {0x20031004, "3.10/4"}, {0x20036005, "3.6/5"}, {0x20054206, "5.4.2/6"},
    {0x30C0DE01, "PRG 3"},  {0x3500, "PRG 3.5"},
};

char hexDigit(std::uint32_t word, int shift) {
    return "0123456789abcdef"[(word >> shift) & 0xF];
}

} // namespace

std::string formatWordText(std::uint32_t formatWord) {
    if ((formatWord >> 8) == Ufif20Upper)
        return "UFIF 2";
    if ((formatWord >> 8) == Ufif21Upper)
        return "UFIF 2.1";
    for (const auto& named : NamedWords)
        if (named.word == formatWord)
            return named.text;
    return {hexDigit(formatWord, 16), '.', hexDigit(formatWord, 12), '.',
            hexDigit(formatWord, 8),  '/', hexDigit(formatWord, 0)};
}
