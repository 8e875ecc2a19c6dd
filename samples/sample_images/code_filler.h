#pragma once

#include "sample_images/byte_image.h"

#include <cstddef>
#include <cstdint>

// Appends count bytes that look like Thumb code: pairs of harmless instructions, the same for the
// same seed. No filler word starts with 0x00 or 0x48, so filler never resembles an address near
// the program window, the model word or a relocation pattern word.
void appendCodeFiller(ByteImage& image, std::size_t count, std::uint32_t seed);
