#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A section (group, slot) lives in the memory folder as "GG-SS.bin", both numbers in decimal
// with at least two digits: 18-09.bin, 02-17.bin.
struct SectionAddress {
    std::uint8_t group = 0;
    std::uint8_t slot = 0;
    bool operator==(const SectionAddress&) const = default;
};

std::string sectionFileName(SectionAddress address);

// The address a file name stands for, or nothing when the name is not exactly the one that
// sectionFileName gives for some section.
std::optional<SectionAddress> parseSectionFileName(std::string_view name);
