#include "sections/elf_segment.h"

#include "exact_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ElfSegmentCase {
    const char* what;
    std::size_t length;
    std::uint32_t tableOffset; // word at 28
    std::uint32_t segment;     // word at tableOffset + 4, written when it fits
    std::optional<std::uint32_t> expected;
};

const ElfSegmentCase ElfSegmentCases[] = {
    {"usual table right after the ELF header", 128, 52, 84, 84},
    {"last table offset that fits a header", 128, 120, 0x12345678, 0x12345678},
    {"table beyond 120 means offset 0", 128, 121, 84, 0},
    {"largest table offset", 128, 0xFFFFFFFF, 84, 0},
    {"segment offset is taken as it is", 128, 52, 0xFFFFFFFF, 0xFFFFFFFF},
    {"segment field crosses the end", 59, 52, 84, std::nullopt},
    {"segment field ends at the end", 60, 52, 84, 84},
    {"table offset crosses the end", 31, 52, 84, std::nullopt},
    {"table beyond 120 needs no segment field", 32, 200, 84, 0},
};

TEST(ElfFirstSegmentOffset, FollowsTheProgramHeaderTable) {
    for (const auto& c : ElfSegmentCases) {
        std::vector<ImageWord> words = {{0, 0x464C457F}, {28, c.tableOffset}};
        if (c.tableOffset <= 120)
            words.push_back({c.tableOffset + 4, c.segment});
        const std::vector<std::uint8_t> image = exactImage(c.length, words);
        EXPECT_EQ(elfFirstSegmentOffset(image.data(), image.size()), c.expected) << c.what;
    }
}

} // namespace
