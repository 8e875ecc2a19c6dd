#pragma once

#include "sample_images/byte_image.h"

#include <cstdint>
#include <vector>

// GIF's variable-width LZW: codes start one bit wider than minCodeSize and grow to 12 bits,
// packed least significant bit first. The stream opens with a clear code, clears again when the
// code table is full, and ends with the end-of-information code. minCodeSize is 2 to 8 and every
// index must be below 1 << minCodeSize.
ByteImage lzwEncode(const std::vector<std::uint8_t>& indices, int minCodeSize);
