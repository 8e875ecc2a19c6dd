#include "sections/section_classification.h"

#include "platform/little_endian.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Header = std::array<std::uint8_t, SectionHeaderSize>;

// Bytes written into a zeroed header at an offset.
struct Patch {
    std::size_t at;
    std::vector<std::uint8_t> bytes;
};

Patch word(std::size_t at, std::uint32_t value) {
    std::vector<std::uint8_t> bytes(4);
    writeWordLe(bytes.data(), 0, value);
    return {at, bytes};
}

Patch text(std::size_t at, const char* value) {
    return {at, std::vector<std::uint8_t>(value, value + std::strlen(value))};
}

Patch utf16(std::size_t at, std::u16string_view value) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : value) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return {at, bytes};
}

constexpr std::uint32_t ElfMagic = 0x464C457F;
constexpr std::uint32_t NoWord = 0xDEADBEEF; // marks "formatWord not set"

struct ClassificationCase {
    const char* what;
    std::vector<Patch> patches;
    int readCount;
    SectionKind kind;
    const char* caption;
    std::uint32_t formatWord; // NoWord when the classification must not set one
};

const ClassificationCase ClassificationCases[] = {
    {"ELF with its UFIF header in the first segment",
     {word(0, ElfMagic), text(4, "elfident"), word(28, 52), word(56, 84), word(84, 0x20000000),
      text(88, "Snake")},
     128,
     SectionKind::Program,
     "Snake",
     0x20000000},
    {"ELF whose program-header table lies beyond 120",
     {word(0, ElfMagic), text(4, "elfident"), word(28, 121), word(84, 0x20000000),
      text(88, "Snake")},
     128,
     SectionKind::Program,
     "elfident",
     ElfMagic},
    {"ELF whose UFIF header ends exactly at byte 128, name filling its field",
     {word(0, ElfMagic), word(28, 52), word(56, 108), word(108, 0x20010000),
      text(112, "ABCDEFGHIJKLMNOP")},
     128,
     SectionKind::Program,
     "ABCDEFGHIJKLMNOP",
     0x20010000},
    {"ELF whose UFIF header would run past byte 128",
     {word(0, ElfMagic), text(4, "elfident"), word(28, 52), word(56, 109)},
     128,
     SectionKind::Program,
     "elfident",
     ElfMagic},
    {"ELF whose segment offset would overflow an addition",
     {word(0, ElfMagic), text(4, "elfident"), word(28, 52), word(56, 0xFFFFFFF0)},
     128,
     SectionKind::Program,
     "elfident",
     ElfMagic},
    {"PRG 3",
     {word(0, 0x30C0DE01), text(4, "Tetris")},
     128,
     SectionKind::Program,
     "Tetris",
     0x30C0DE01},
    {"PRG 3.5, upper half 0x3500",
     {{0, {0x12, 0x34, 0x00, 0x35}}, text(4, "Pong")},
     128,
     SectionKind::Program,
     "Pong",
     0x3500},
    {"PRG 3.5, upper half 0x3501",
     {{0, {0x12, 0x34, 0x01, 0x35}}, text(4, "Pong")},
     128,
     SectionKind::Program,
     "Pong",
     0x3500},
    {"upper half 0x3502 is no PRG 3.5",
     {{0, {0x12, 0x34, 0x02, 0x35}}},
     128,
     SectionKind::Other,
     "< PRG3 ExtLibrary ver.889336850>",
     NoWord},
    {"UFIF program",
     {word(0, 0x20031004), text(4, "Clock")},
     128,
     SectionKind::Program,
     "Clock",
     0x20031004},
    {"byte 3 a space wins over LIB",
     {text(0, "LIB "), text(4, "Lib")},
     128,
     SectionKind::Program,
     "Lib",
     0x2042494C},
    {"UFIF2 library",
     {text(0, "LIB2"), text(4, "name")},
     128,
     SectionKind::Other,
     "< UFIF2 ExtLibrary >",
     NoWord},
    {"GIF89a picture", {text(0, "GIF89a")}, 128, SectionKind::Gif, "< GIF-File >", NoWord},
    {"ringer with a name",
     {utf16(4, u"Bell")},
     128,
     SectionKind::Other,
     "10 sec ringer: Bell",
     NoWord},
    {"ringer with a Cyrillic name",
     {utf16(4, u"\u0416\u0443\u043A")},
     128,
     SectionKind::Other,
     "10 sec ringer: \u0416\u0443\u043A",
     NoWord},
    {"ringer without a name", {text(8, "x")}, 128, SectionKind::Other, "10 sec ringer: ", NoWord},
    {"ringer name filling the header",
     {utf16(4, std::u16string(62, u'r'))},
     128,
     SectionKind::Other,
     "10 sec ringer: rrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrr",
     NoWord},
    {"PRG3 library",
     {word(0, 300), word(4, 0x00FFFFFF), word(8, 1), word(12, 2)},
     128,
     SectionKind::Other,
     "< PRG3 ExtLibrary ver.300>",
     NoWord},
    {"PRG3 library read 17 bytes",
     {word(0, 300)},
     17,
     SectionKind::Other,
     "< PRG3 ExtLibrary ver.300>",
     NoWord},
    {"PRG3 library read only 16 bytes", {word(0, 300)}, 16, SectionKind::Other, "< Data >", NoWord},
    {"PRG3 library with a negative version",
     {word(0, 0xFFFFFFFE)},
     128,
     SectionKind::Other,
     "< PRG3 ExtLibrary ver.-2>",
     NoWord},
    {"data: byte 7 set",
     {word(0, 300), word(4, 0x01000000)},
     128,
     SectionKind::Other,
     "< Data >",
     NoWord},
    {"data: byte 11 set",
     {word(0, 300), word(8, 0x01000000)},
     128,
     SectionKind::Other,
     "< Data >",
     NoWord},
    {"data: byte 15 set",
     {word(0, 300), word(12, 0x01000000)},
     128,
     SectionKind::Other,
     "< Data >",
     NoWord},
    {"name of 16 characters without a zero",
     {word(0, 0x20000000), text(4, "ABCDEFGHIJKLMNOPQRS")},
     128,
     SectionKind::Program,
     "ABCDEFGHIJKLMNOP",
     0x20000000},
    {"name ends at its first zero",
     {word(0, 0x20000000), text(4, "AB"), text(7, "CD")},
     128,
     SectionKind::Program,
     "AB",
     0x20000000},
    {"Windows-1251 name",
     {word(0, 0x20000000), {4, {0xC0, 0xC1}}},
     128,
     SectionKind::Program,
     "\u0410\u0411",
     0x20000000},
};

TEST(ClassifySectionHeader, RecognisesEachLayout) {
    for (const auto& c : ClassificationCases) {
        Header header{};
        for (const auto& patch : c.patches)
            std::copy(patch.bytes.begin(), patch.bytes.end(),
                      header.begin() + static_cast<std::ptrdiff_t>(patch.at));
        const SectionClassification result = classifySectionHeader(header, c.readCount);
        EXPECT_EQ(result.kind, c.kind) << c.what;
        EXPECT_EQ(result.caption, c.caption) << c.what;
        if (c.formatWord == NoWord)
            EXPECT_EQ(result.formatWord, std::nullopt) << c.what;
        else
            EXPECT_EQ(result.formatWord, c.formatWord) << c.what;
    }
}

} // namespace
