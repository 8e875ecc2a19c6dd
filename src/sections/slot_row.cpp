#include "sections/slot_row.h"

#include "sections/section_table.h"
#include "sections/slot_map.h"

bool isSlotRow(int row) {
    return row >= 1 && row < gridRowCount() && row < SectionTableSize;
}

int rowShowing(int group, int slot) {
    const int row = rowForAddress(group, slot);
    return isSlotRow(row) && addressForRow(row) == SectionAddress{group, slot} ? row : 0;
}
