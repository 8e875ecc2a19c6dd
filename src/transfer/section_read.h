#pragma once

#include "platform/file_io.h"
#include "sections/slot_map.h"

#include <cstddef>
#include <optional>

class TForm1;

// Reads the start of a section into the whole transfer buffer (its size is the read length),
// inside the GBP mode period the caller has entered. Returns how many bytes came, never more
// than the buffer holds; on a link error shows "Error reading section G-S" and returns nothing,
// leaving GBP mode to the caller.
std::optional<std::size_t> readSectionInto(TForm1& form, SectionAddress at, Bytes& buffer);
