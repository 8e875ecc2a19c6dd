#pragma once

#include "sample_images/byte_image.h"

#include <cstddef>
#include <cstdint>

// A minimal 32-bit little-endian ARM ELF executable with one loadable segment: the 52-byte ELF
// header, one 32-byte program header right after it, then the segment's bytes.
constexpr std::size_t ElfHeaderSize = 52;
constexpr std::size_t ElfProgramHeaderSize = 32;
constexpr std::size_t ElfProgramHeaderOffset = ElfHeaderSize;
constexpr std::size_t ElfSegmentOffset = ElfProgramHeaderOffset + ElfProgramHeaderSize;
constexpr std::uint32_t ElfMagicWord = 0x464C457F; // 7F 'E' 'L' 'F'

// Wraps a program image (for example a UFIF program) as the ELF's only segment, loaded at
// loadAddress; the entry point is the first byte after the segment's UFIF header.
ByteImage wrapInElf(const ByteImage& segment, std::uint32_t loadAddress);
