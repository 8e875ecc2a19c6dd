#pragma once

#include "sample_images/byte_image.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// PRG 3 programs start with a magic word; PRG 3.5 programs carry 0x3500 or 0x3501 in the upper
// half of their first word. Both keep a 16-byte name field at offset 4.
constexpr std::uint32_t Prg3MagicWord = 0x30C0DE01;
constexpr std::uint16_t Prg35Marker = 0x3500;
constexpr std::size_t PrgNameOffset = 4;
constexpr std::size_t PrgNameSize = 16;

// A PRG 3 program of exactly `size` bytes (at least its 20-byte header).
ByteImage buildPrg3Program(std::string_view name, std::size_t size);

// A PRG 3.5 program of exactly `size` bytes; `revision` (0 or 1) is added to the 0x3500 marker.
// The lower half of the first word holds the header size.
ByteImage buildPrg35Program(std::string_view name, std::size_t size, std::uint8_t revision);
