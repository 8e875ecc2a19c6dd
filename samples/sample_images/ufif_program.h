#pragma once

#include "sample_images/byte_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// A UFIF program: the format word, a 16-byte name field, then the body.
constexpr std::uint32_t Ufif20FormatWord = 0x20000000;
constexpr std::uint32_t Ufif21FormatWord = 0x20010000;
constexpr std::size_t UfifNameSize = 16;

// The words of a UFIF 2.0 body that the 2.0 to 2.1 conversion relocates. Addresses are counted
// from the old base and are moved only strictly inside (old base, window end).
constexpr std::uint32_t Ufif20OldBase = 0x36A658;
constexpr std::uint32_t Ufif20WindowEnd = 0x370000;
constexpr std::uint32_t RelocPatternWord1 = 0x4801B403; // address 8 bytes after it
constexpr std::uint32_t RelocPatternWord2 = 0x4809B407; // address 24 bytes after it
constexpr std::uint32_t RelocSpecialAddress = 0x36A9D1; // behind pattern word 1
constexpr std::array<std::uint32_t, 6> RelocFixedAddressWords = {0x36A97C, 0x36AA84, 0x36AC74,
                                                                 0x36AE14, 0x36AE18, 0x36AE1C};
constexpr std::uint32_t RelocModelWord = 0x820000;

// A UFIF program of exactly `size` bytes (at least the 20-byte header) with a code-like body.
// The name is 8-bit text (Windows-1251), cut to 16 bytes.
ByteImage buildUfifProgram(std::uint32_t formatWord, std::string_view name, std::size_t size);

// A UFIF 2.0 program whose body holds every kind of word the conversion moves, each on a
// word-aligned offset of at least 20. Grows past `size` when that is too small to hold them.
ByteImage buildUfif20Program(std::string_view name, std::size_t size);
