#pragma once

#include <cstdint>

// The watched slot ranges: big slots of group 18, then small slots of group 2.
extern std::int32_t FirstBig;
extern std::int32_t BigSlots;
extern std::int32_t FirstSmall;
extern std::int32_t SmallSlots;

constexpr int BigGroup = 18;
constexpr int SmallGroup = 2;

constexpr std::int32_t DefaultFirstBig = 9;
constexpr std::int32_t DefaultBigSlots = 21;
constexpr std::int32_t DefaultFirstSmall = 10;
constexpr std::int32_t DefaultSmallSlots = 5;

struct SectionAddress {
    int group = 0;
    int slot = 0;
    friend bool operator==(const SectionAddress&, const SectionAddress&) = default;
};

// The grid row that shows a section; 0 when the address lies outside the watched ranges.
int rowForAddress(int group, int slot);

// The section shown in a slot row (1 to BigSlots + SmallSlots).
SectionAddress addressForRow(int row);

// Whether a row shows a small slot of group 2 (rows after the big slots).
bool isSmallSlotRow(int row);

// Number of grid rows including the header.
int gridRowCount();

// A range fits when its slots are 0 to 255 and its count is not negative.
bool slotRangeFits(std::int32_t first, std::int32_t count);

// Both ranges fit and together need no more rows than the section table has.
bool slotRangesFit(std::int32_t firstBig, std::int32_t bigSlots, std::int32_t firstSmall,
                   std::int32_t smallSlots);
