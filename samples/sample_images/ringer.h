#pragma once

#include "sample_images/byte_image.h"

#include <cstddef>
#include <string_view>

// A ringer section: a zero first word, the UTF-16LE name from byte 4 (at most 62 units, ended by
// a zero unit when shorter), then the tune.
constexpr std::size_t RingerNameOffset = 4;
constexpr std::size_t RingerMaxNameUnits = 62;
constexpr std::size_t RingerHeaderSize = RingerNameOffset + 2 * RingerMaxNameUnits;

// A ringer of exactly `size` bytes (at least the 128-byte header); a longer name is cut.
ByteImage buildRinger(std::u16string_view name, std::size_t size);
