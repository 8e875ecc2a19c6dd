#pragma once

#include "sections/slot_map.h"

#include <optional>

class TForm1;

// The section of the grid row the context menu's commands act on; nothing when the grid has
// no slot row to act on.
std::optional<SectionAddress> selectedSection(const TForm1& form);
