#include "sections/slot_map.h"

#include "sections/section_table.h"

std::int32_t FirstBig = DefaultFirstBig;
std::int32_t BigSlots = DefaultBigSlots;
std::int32_t FirstSmall = DefaultFirstSmall;
std::int32_t SmallSlots = DefaultSmallSlots;

int rowForAddress(int group, int slot) {
    int row = 0;
    if (group == BigGroup)
        row = slot - FirstBig + 1;
    else if (group == SmallGroup)
        row = slot - FirstSmall + BigSlots + 1;
    else
        return 0;
    if (row > BigSlots + SmallSlots || row < 1)
        return 0;
    return row;
}

SectionAddress addressForRow(int row) {
    if (isSmallSlotRow(row))
        return {SmallGroup, row - BigSlots - 1 + FirstSmall};
    return {BigGroup, row + FirstBig - 1};
}

bool isSmallSlotRow(int row) { return row > BigSlots; }

int gridRowCount() { return SmallSlots + BigSlots + 1; }

bool slotRangeFits(std::int32_t first, std::int32_t count) {
    return first >= 0 && first <= 255 && count >= 0 &&
           static_cast<std::int64_t>(first) + count - 1 <= 255;
}

bool slotRangesFit(std::int32_t firstBig, std::int32_t bigSlots, std::int32_t firstSmall,
                   std::int32_t smallSlots) {
    return slotRangeFits(firstBig, bigSlots) && slotRangeFits(firstSmall, smallSlots) &&
           static_cast<std::int64_t>(bigSlots) + smallSlots <= MaxSlotRows;
}
