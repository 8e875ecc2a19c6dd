#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the last probe of a slot found.
enum class SectionKind : std::int32_t { Empty = 0, Program = 1, Gif = 3, Other = 4 };

struct SectionEntry {
    SectionKind kind = SectionKind::Empty;
    std::string caption;          // description shown in the grid's middle column
    std::uint32_t formatWord = 0; // program format and version word; meaningful for programs
    std::int32_t size = 0;        // size in bytes as the link reported it
};

// One entry per grid row; entry 0 stands behind the header row, so 99 slot rows fit.
constexpr int SectionTableSize = 100;
constexpr int MaxSlotRows = SectionTableSize - 1;

extern std::array<SectionEntry, SectionTableSize> SectionTable;

// Puts every entry back into its initial state.
void resetSectionTable();
