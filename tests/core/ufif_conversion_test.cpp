#include "transfer/ufif_conversion.h"

#include "exact_image.h"
#include "platform/zav_error.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t ElfMagic = 0x464C457F;
constexpr std::uint32_t Ufif20 = 0x20000000;
constexpr std::uint32_t Ufif21 = 0x20010000;
constexpr std::uint32_t Pattern1 = 0x4801B403;
constexpr std::uint32_t Pattern2 = 0x4809B407;
constexpr std::uint32_t OldBase = 0x36A658;

constexpr const char* IdentityTarget = "0x36A658 - J7/70 3.10/5";
constexpr const char* Z7Target = "0x37BDD8 - Z7 4.5.6/4";
constexpr const char* WindowEndTarget = "0x370000 - J7/70 3.10/4";
constexpr std::uint32_t Z7Shift = 0x37BDD8 - OldBase;
constexpr std::uint32_t WindowEndShift = 0x370000 - OldBase;

// ---- isUfif20Image

struct DetectionCase {
    const char* what;
    std::size_t n;
    std::vector<ImageWord> words;
    std::optional<std::size_t> header;
};

const DetectionCase DetectionCases[] = {
    {"raw UFIF 2.0", 24, {{0, Ufif20}}, 0},
    {"raw UFIF 2.0, format word only", 4, {{0, Ufif20}}, 0},
    {"format word cut short", 3, {{0, Ufif20}}, std::nullopt},
    {"empty image", 0, {}, std::nullopt},
    {"UFIF 2.1", 24, {{0, Ufif21}}, std::nullopt},
    {"UFIF 2.0 needs the exact word", 24, {{0, Ufif20 | 1}}, std::nullopt},
    {"ELF with UFIF 2.0 in its first segment",
     128,
     {{0, ElfMagic}, {28, 52}, {56, 84}, {84, Ufif20}},
     84},
    {"ELF with UFIF 2.1 in its first segment",
     128,
     {{0, ElfMagic}, {28, 52}, {56, 84}, {84, Ufif21}},
     std::nullopt},
    {"ELF whose format word crosses the end",
     87,
     {{0, ElfMagic}, {28, 52}, {56, 84}, {84, Ufif20}},
     std::nullopt},
    {"ELF whose format word ends at the end",
     88,
     {{0, ElfMagic}, {28, 52}, {56, 84}, {84, Ufif20}},
     84},
    {"ELF whose first segment lies beyond the first 128 bytes",
     300,
     {{0, ElfMagic}, {28, 52}, {56, 200}, {200, Ufif20}},
     200},
    {"ELF whose segment offset lies beyond the image",
     128,
     {{0, ElfMagic}, {28, 52}, {56, 0xFFFFFFFE}},
     std::nullopt},
    {"ELF whose table offset lies beyond 120",
     128,
     {{0, ElfMagic}, {28, 121}, {84, Ufif20}, {125, 0}},
     std::nullopt},
    {"ELF whose segment field crosses the end",
     58,
     {{0, ElfMagic}, {28, 52}, {56, 0}},
     std::nullopt},
    {"ELF cut short before its table offset", 30, {{0, ElfMagic}, {28, 52}}, std::nullopt},
};

TEST(IsUfif20Image, FindsTheUfifHeader) {
    for (const auto& c : DetectionCases) {
        const auto image = exactImage(c.n, c.words);
        EXPECT_EQ(isUfif20Image(image.data(), image.size()), c.header) << c.what;
    }
}

// ---- parseFirmwareTarget

struct TargetCase {
    const char* text;
    std::uint32_t base;
    bool z7;
    const char* error; // the error text, or nullptr when the text is readable
};

const TargetCase TargetCases[] = {
    {IdentityTarget, 0x36A658, false, nullptr},
    {Z7Target, 3653080, true, nullptr},
    {WindowEndTarget, 0x370000, false, nullptr},
    {"0x370000 - z7 4.5.6/4", 0x370000, true, nullptr},
    {"0x370000 - J5/6 3.6/5", 0x370000, false, nullptr},
    {"3653080 - Z7", 3653080, true, nullptr},
    {"$37BDD8 - Z7", 0x37BDD8, true, nullptr},
    {"0xFFFFFFFF - J7", 0xFFFFFFFF, false, nullptr},
    {"0x370000 - J7 - Z7", 0x370000, false, nullptr}, // only the first " - " counts
    {"0x370000 - Z", 0x370000, false, nullptr},
    {"0x370000 - ", 0x370000, false, nullptr},
    {"1 Z7", 1, true, nullptr},                 // no " - ": third and fourth characters
    {"12 Z7", 12, false, nullptr},              // they are " Z"
    {"0x370000 -Z7", 0x370000, false, nullptr}, // they are "37"
    {"garbage - Z7", 0, false, "'garbage' is not a valid integer value"},
    {"nospace", 0, false, "'' is not a valid integer value"},
    {"", 0, false, "'' is not a valid integer value"},
    {" 0x370000 - Z7", 0, false, "'' is not a valid integer value"},
    {"0x370000- Z7", 0, false, "'0x370000-' is not a valid integer value"},
};

TEST(ParseFirmwareTarget, ReadsBaseAndModel) {
    for (const auto& c : TargetCases) {
        if (c.error) {
            try {
                parseFirmwareTarget(c.text);
                ADD_FAILURE() << "no error for '" << c.text << "'";
            } catch (const ZavError& e) {
                EXPECT_STREQ(e.what(), c.error) << "text: '" << c.text << "'";
            }
            continue;
        }
        const FirmwareTarget target = parseFirmwareTarget(c.text);
        EXPECT_EQ(target.base, c.base) << "text: '" << c.text << "'";
        EXPECT_EQ(target.z7, c.z7) << "text: '" << c.text << "'";
    }
}

// ---- convertToUfif21

struct ConversionCase {
    const char* what;
    const char* target;
    std::size_t n;
    std::size_t header;
    std::vector<ImageWord> before;
    std::vector<ImageWord> changes; // the words that differ afterwards; every other byte must stay
};

// Both patterns with their addresses, a fixed address word and the model word.
const std::vector<ImageWord> MixedImage = {
    {0, Ufif20},    {20, Pattern1}, {28, 0x36A9D1}, {32, Pattern2},
    {56, 0x36B000}, {64, 0x36AC74}, {68, 0x820000}, {72, 0x36AE1C},
};

const ConversionCase ConversionCases[] = {
    {"identity target moves nothing but 0x36A9D1",
     IdentityTarget,
     76,
     0,
     MixedImage,
     {{0, Ufif21}, {28, 0x36A9D5}}},
    {"Z7 target",
     Z7Target,
     76,
     0,
     MixedImage,
     {{0, Ufif21},
      {28, 0x36A9D5 + Z7Shift},
      {56, 0x36B000 + Z7Shift},
      {64, 0x36AC74 + Z7Shift},
      {68, 0x8A0000},
      {72, 0x36AE1C + Z7Shift}}},
    {"target at the window's end keeps 0x820000",
     WindowEndTarget,
     76,
     0,
     MixedImage,
     {{0, Ufif21},
      {28, 0x36A9D5 + WindowEndShift},
      {56, 0x36B000 + WindowEndShift},
      {64, 0x36AC74 + WindowEndShift},
      {72, 0x36AE1C + WindowEndShift}}},
    {"all six fixed address words",
     Z7Target,
     44,
     0,
     {{0, Ufif20},
      {20, 0x36A97C},
      {24, 0x36AA84},
      {28, 0x36AC74},
      {32, 0x36AE14},
      {36, 0x36AE18},
      {40, 0x36AE1C}},
     {{0, Ufif21},
      {20, 0x36A97C + Z7Shift},
      {24, 0x36AA84 + Z7Shift},
      {28, 0x36AC74 + Z7Shift},
      {32, 0x36AE14 + Z7Shift},
      {36, 0x36AE18 + Z7Shift},
      {40, 0x36AE1C + Z7Shift}}},
    {"words near the fixed ones and 0x36A9D1 alone stay",
     Z7Target,
     36,
     0,
     {{0, Ufif20}, {20, 0x36A978}, {24, 0x36A9D1}, {28, 0x36AE20}, {32, 0x820001}},
     {{0, Ufif21}}},
    {"pattern 1 window bounds",
     Z7Target,
     56,
     0,
     {{0, Ufif20},
      {20, Pattern1},
      {28, OldBase},
      {32, Pattern1},
      {40, 0x370000},
      {44, Pattern1},
      {52, OldBase + 1}},
     {{0, Ufif21}, {52, OldBase + 1 + Z7Shift}}},
    {"pattern 2 window bounds",
     Z7Target,
     136,
     0,
     {{0, Ufif20},
      {20, Pattern2},
      {44, OldBase},
      {48, Pattern2},
      {72, 0x370000},
      {76, Pattern2},
      {100, 0x36FFFF},
      {108, Pattern2},
      {132, OldBase + 1}},
     {{0, Ufif21}, {100, 0x36FFFF + Z7Shift}, {132, OldBase + 1 + Z7Shift}}},
    {"0x36A9D1 is replaced behind pattern 1 only",
     Z7Target,
     48,
     0,
     {{0, Ufif20}, {20, Pattern2}, {44, 0x36A9D1}},
     {{0, Ufif21}, {44, 0x36A9D1 + Z7Shift}}},
    {"after pattern 1 the next 12 bytes are skipped",
     Z7Target,
     40,
     0,
     {{0, Ufif20}, {20, Pattern1}, {24, 0x36AC74}, {28, 0x36A97C}, {32, 0x820000}, {36, 0x36AC74}},
     {{0, Ufif21}, {28, 0x36A97C + Z7Shift}, {32, 0x8A0000}, {36, 0x36AC74 + Z7Shift}}},
    {"after pattern 2 the next 32 bytes are skipped",
     Z7Target,
     60,
     0,
     {{0, Ufif20},
      {20, Pattern2},
      {24, 0x36AC74},
      {28, Pattern1},
      {36, 0x36B000},
      {40, 0x820000},
      {44, 0x36A97C},
      {48, 0x36AE18},
      {52, 0x36AE18},
      {56, 0x820000}},
     {{0, Ufif21}, {44, 0x36A97C + Z7Shift}, {52, 0x36AE18 + Z7Shift}, {56, 0x8A0000}}},
    {"a moved address is not examined again",
     "0x36A65C - J7/70", // moves by 4, so the moved addresses look like fixed words
     80,
     0,
     {{0, Ufif20}, {20, Pattern1}, {28, 0x36A978}, {32, Pattern2}, {56, 0x36AE10}},
     {{0, Ufif21}, {28, 0x36A97C}, {56, 0x36AE14}}},
    {"a pattern whose address is outside the window goes on at the next word",
     Z7Target,
     44,
     0,
     {{0, Ufif20},
      {20, Pattern1},
      {24, 0x36AC74},
      {28, 0x400000},
      {32, Pattern2},
      {36, 0x820000},
      {40, 0x36AE14}},
     {{0, Ufif21}, {24, 0x36AC74 + Z7Shift}, {36, 0x8A0000}, {40, 0x36AE14 + Z7Shift}}},
    {"pattern words in a row; the last one's address lies past the end",
     Z7Target,
     48,
     0,
     {{0, Ufif20},
      {20, Pattern1},
      {28, OldBase + 1},
      {32, Pattern1},
      {40, Pattern1},
      {44, 0x36AE14}},
     {{0, Ufif21}, {28, OldBase + 1 + Z7Shift}, {44, 0x36AE14 + Z7Shift}}},
    {"misaligned words stay",
     Z7Target,
     40,
     0,
     {{0, Ufif20}, {22, 0x36AC74}, {30, 0x820000}},
     {{0, Ufif21}}},
    {"words below offset 20 stay",
     Z7Target,
     24,
     0,
     {{0, Ufif20}, {4, 0x36AC74}, {8, 0x820000}, {12, Pattern1}, {16, 0x36AE1C}},
     {{0, Ufif21}}},
    {"image of 20 bytes changes only its format word",
     Z7Target,
     20,
     0,
     {{0, Ufif20}, {4, Pattern1}, {12, 0x36A97C}, {16, 0x820000}},
     {{0, Ufif21}}},
    {"image of 3 bytes", Z7Target, 3, 0, {{0, Ufif20}}, {{0, Ufif21}}},
    {"image of 2 bytes stays", Z7Target, 2, 0, {{0, Ufif20}}, {}},
    {"header offset beyond the image", Z7Target, 24, 1000, {{0, Ufif20}}, {}},
    {"header offset at the largest value", Z7Target, 24, SIZE_MAX, {{0, Ufif20}}, {}},
    {"last word crossing the end is not examined",
     Z7Target,
     27,
     0,
     {{0, Ufif20}, {20, 0x820000}, {24, 0x36AC74}},
     {{0, Ufif21}, {20, 0x8A0000}}},
    {"pattern 1 address crossing the end",
     Z7Target,
     31,
     0,
     {{0, Ufif20}, {20, Pattern1}, {24, 0x36AE14}, {28, OldBase + 1}},
     {{0, Ufif21}, {24, 0x36AE14 + Z7Shift}}},
    {"pattern 2 address crossing the end",
     Z7Target,
     47,
     0,
     {{0, Ufif20}, {20, Pattern2}, {24, 0x36AE14}, {44, OldBase + 1}},
     {{0, Ufif21}, {24, 0x36AE14 + Z7Shift}}},
    {"pattern 2 address ending at the end",
     Z7Target,
     48,
     0,
     {{0, Ufif20}, {20, Pattern2}, {24, 0x36AE14}, {44, OldBase + 1}},
     {{0, Ufif21}, {44, OldBase + 1 + Z7Shift}}},
    {"ELF image: header at 84, scan from 20 over the ELF and UFIF headers",
     Z7Target,
     128,
     84,
     {{0, ElfMagic},
      {20, 0x36AC74},
      {28, 52},
      {56, 84},
      {84, Ufif20},
      {88, 0x36A97C},
      {104, Pattern1},
      {112, 0x36A9D1},
      {120, 0x820000}},
     {{20, 0x36AC74 + Z7Shift},
      {84, Ufif21},
      {88, 0x36A97C + Z7Shift},
      {112, 0x36A9D5 + Z7Shift},
      {120, 0x8A0000}}},
    {"moved address wraps at 32 bits",
     "0xFFFFFFFF - J7",
     28,
     0,
     {{0, Ufif20}, {20, 0x36A97C}, {24, OldBase - 1}},
     {{0, Ufif21}, {20, 0x36A97C - OldBase - 1}}},
};

TEST(ConvertToUfif21, RewritesExactlyTheKnownWords) {
    for (const auto& c : ConversionCases) {
        auto image = exactImage(c.n, c.before);
        std::vector<ImageWord> after = c.before;
        after.insert(after.end(), c.changes.begin(), c.changes.end());
        const auto expected = exactImage(c.n, after);

        convertToUfif21(image.data(), image.size(), c.header, parseFirmwareTarget(c.target));
        EXPECT_EQ(image, expected) << c.what;
    }
}

} // namespace
