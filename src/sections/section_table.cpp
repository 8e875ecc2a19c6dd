#include "sections/section_table.h"

std::array<SectionEntry, SectionTableSize> SectionTable;

void resetSectionTable() { SectionTable.fill(SectionEntry{}); }
