#pragma once

#include "sample_images/byte_image.h"

#include <cstdint>
#include <vector>

// The PRG3 extension library as the phone keeps it: the release word, then one word per entry,
// each least significant byte first, nothing in between.
ByteImage buildPrg3LibraryImage(std::uint32_t release, const std::vector<std::uint32_t>& words);
