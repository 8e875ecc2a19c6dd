#pragma once

// Whether a grid row shows a watched slot, and so has an entry of its own in the section table:
// rows 1 to BigSlots + SmallSlots. Row 0 is the header row, and with both ranges empty the grid
// has no slot row at all.
bool isSlotRow(int row);

// The row that shows the section (group, slot), or 0 when no row shows it. Unlike the bare row
// arithmetic, a big-group slot past the big range never lands on a small slot's row (nor a
// small-group slot below the small range on a big slot's row), so a probe of a section that is
// not watched changes no visible row.
int rowShowing(int group, int slot);
